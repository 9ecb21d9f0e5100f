#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xslt.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/StdioFile.h"
#include "platform/SystemErrorText.h"
#include "platform/WideText.h"
#include "xml/TransformToFile.h"
#include "xml/XMLWrapper.h"

namespace {

struct DocumentFreer {
    void operator()(xmlDoc* document) const noexcept { xmlFreeDoc(document); }
};
struct StylesheetFreer {
    void operator()(xsltStylesheet* stylesheet) const noexcept { xsltFreeStylesheet(stylesheet); }
};
struct ContextFreer {
    void operator()(xsltTransformContext* context) const noexcept { xsltFreeTransformContext(context); }
};
struct SecurityFreer {
    void operator()(xsltSecurityPrefs* prefs) const noexcept { xsltFreeSecurityPrefs(prefs); }
};

// libxml2's and libxslt's messages, collected for the time of one transformation instead of going
// to standard error.
class ErrorCapture {
public:
    ErrorCapture() {
        xmlSetGenericErrorFunc(&text_, &ErrorCapture::Collect);
        xsltSetGenericErrorFunc(&text_, &ErrorCapture::Collect);
    }
    ~ErrorCapture() {
        xmlSetGenericErrorFunc(nullptr, nullptr);
        xsltSetGenericErrorFunc(nullptr, nullptr);
    }
    ErrorCapture(const ErrorCapture&) = delete;
    ErrorCapture& operator=(const ErrorCapture&) = delete;

    std::wstring Text() const {
        std::string text = text_;
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        return FromUtf8(text);
    }

private:
    static void Collect(void* context, const char* format, ...) {
        char piece[1024];
        va_list arguments;
        va_start(arguments, format);
        std::vsnprintf(piece, sizeof piece, format, arguments);
        va_end(arguments);
        *static_cast<std::string*>(context) += piece;
    }

    std::string text_;
};

bool Fail(std::wstring* error, const std::wstring& reason) {
    if (error != nullptr) *error = reason;
    return false;
}

// The system's reason for the failed call just made, after the path.
bool FailWithSystemError(std::wstring* error, const std::wstring& path) {
    const int code = errno;
    return Fail(error, path + L": " + SystemErrorText(code));
}

bool ReadFile(const std::wstring& path, std::string& bytes, std::wstring* error) {
    const StdioFile file = OpenStdioFile(path, "rb");
    if (!file) return FailWithSystemError(error, path);
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
    if (std::ferror(file.get())) return FailWithSystemError(error, path);
    return true;
}

// The stylesheet as MSXML 6 takes it by default: no network, and no DTD at all.
std::unique_ptr<xsltStylesheet, StylesheetFreer> LoadStylesheet(const std::wstring& path,
                                                                const ErrorCapture& capture,
                                                                std::wstring* error) {
    std::string bytes;
    if (!ReadFile(path, bytes, error)) return nullptr;
    std::unique_ptr<xmlDoc, DocumentFreer> document(xmlReadMemory(
        bytes.data(), static_cast<int>(bytes.size()), ToUtf8(path).c_str(), nullptr, XML_PARSE_NONET));
    if (!document) {
        Fail(error, path + L": the stylesheet did not load: " + capture.Text());
        return nullptr;
    }
    if (document->intSubset != nullptr) {
        Fail(error, path + L": the stylesheet did not load: a DTD is not allowed");
        return nullptr;
    }
    std::unique_ptr<xsltStylesheet, StylesheetFreer> stylesheet(xsltParseStylesheetDoc(document.get()));
    // The stylesheet owns the document once it is made; on failure the document stays ours.
    if (stylesheet) {
        document.release();
    } else {
        Fail(error, path + L": the stylesheet did not load: " + capture.Text());
    }
    return stylesheet;
}

// No file or network access from within the stylesheet (document(), exsl:document), as in MSXML 6.
std::unique_ptr<xsltSecurityPrefs, SecurityFreer> LockedDown() {
    std::unique_ptr<xsltSecurityPrefs, SecurityFreer> prefs(xsltNewSecurityPrefs());
    if (!prefs) return prefs;
    for (const xsltSecurityOption option :
         {XSLT_SECPREF_READ_FILE, XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
          XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK}) {
        xsltSetSecurityPrefs(prefs.get(), option, xsltSecurityForbid);
    }
    return prefs;
}

// libxml2 writes the serialised result straight into the file: a batch's index page is never held
// twice in memory, once as a tree and once as text.
int WriteToFile(void* file, const char* bytes, int size) {
    const size_t count = static_cast<size_t>(size);
    return std::fwrite(bytes, 1, count, static_cast<std::FILE*>(file)) == count ? size : -1;
}

// The result saved as MSXML saves its output document: the DOM's own serialisation, UTF-8, each
// top-level node on a line of its own, no XML declaration.
bool Save(xmlDoc* result, const std::wstring& path, std::wstring* error) {
    StdioFile file = OpenStdioFile(path, "wb");
    if (!file) return FailWithSystemError(error, path);
    xmlSaveCtxt* save = xmlSaveToIO(&WriteToFile, nullptr, file.get(), "UTF-8", XML_SAVE_NO_DECL);
    if (save == nullptr) return Fail(error, L"cannot serialise the report");
    errno = 0;
    xmlSaveDoc(save, result);
    const bool saved = xmlSaveClose(save) >= 0 && !std::ferror(file.get());
    if (!saved || std::fclose(file.release()) != 0) {
        return errno != 0 ? FailWithSystemError(error, path) : Fail(error, L"cannot serialise the report");
    }
    return true;
}

}  // namespace

bool TransformToFile(const XMLWrapper& document, const std::wstring& stylesheetPath,
                     const std::wstring& outputPath, std::wstring* error) {
    if (document.Document() == nullptr) return Fail(error, L"no report document");
    const ErrorCapture capture;
    const auto stylesheet = LoadStylesheet(stylesheetPath, capture, error);
    if (!stylesheet) return false;
    const auto prefs = LockedDown();
    const std::unique_ptr<xsltTransformContext, ContextFreer> context(
        xsltNewTransformContext(stylesheet.get(), document.Document()));
    if (!prefs || !context || xsltSetCtxtSecurityPrefs(prefs.get(), context.get()) != 0) {
        return Fail(error, L"cannot prepare the transformation");
    }
    const std::unique_ptr<xmlDoc, DocumentFreer> result(xsltApplyStylesheetUser(
        stylesheet.get(), document.Document(), nullptr, nullptr, nullptr, context.get()));
    if (!result || context->state != XSLT_STATE_OK || xmlDocGetRootElement(result.get()) == nullptr) {
        return Fail(error, stylesheetPath + L": the transformation failed: " + capture.Text());
    }
    return Save(result.get(), outputPath, error);
}
