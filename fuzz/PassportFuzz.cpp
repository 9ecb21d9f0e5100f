// Any XML as a passport: reading never fails, and what it read writes as XML that reads back to
// the same values.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>

#include "data/Passport.h"

namespace {

bool Same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

size_t NamedItems(const Passport& passport) {
    size_t named = 0;
    for (const PassportItem& item : passport.items) named += item.name.empty() ? 0 : 1;
    return named;
}

void CheckSame(const Passport& read, const Passport& again) {
    if (again.assayid != read.assayid || again.sample != read.sample || again.andate != read.andate ||
        again.date != read.date || again.graduation != read.graduation || again.defect != read.defect ||
        !Same(again.duration, read.duration) || again.columns.size() != read.columns.size() ||
        again.items.size() != NamedItems(read)) {
        std::abort();
    }
    for (size_t i = 0; i < read.columns.size(); ++i) {
        if (!Same(again.columns[i].diameter, read.columns[i].diameter) ||
            again.columns[i].channel != read.columns[i].channel) {
            std::abort();
        }
    }
    if ((again.FindMassSample() == nullptr) != (read.FindMassSample() == nullptr)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    pugi::xml_document document;
    if (!document.load_buffer(data, size)) return 0;
    pugi::xml_node element = document.child(L"root").child(L"passport");
    if (!element) element = document.first_child();
    Passport read;
    read.Read(element);

    pugi::xml_document written;
    read.Write(written.append_child(L"passport"));
    std::ostringstream text;
    written.save(text, L"\t", pugi::format_default, pugi::encoding_utf8);
    pugi::xml_document reparsed;
    const std::string bytes = text.str();
    if (!reparsed.load_buffer(bytes.data(), bytes.size())) std::abort();
    Passport again;
    again.Read(reparsed.child(L"passport"));
    CheckSame(read, again);
    return 0;
}
