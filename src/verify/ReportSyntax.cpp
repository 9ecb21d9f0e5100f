#include "verify/ReportSyntax.h"

#include <set>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/WideText.h"

namespace {

using Json = nlohmann::ordered_json;

// Reads a report for programs event by event, without building it: keys are held per object, and depth is
// counted, so that a file of 100,000 nested arrays is refused without a deep recursion.
class JsonCheck : public nlohmann::json_sax<Json> {
public:
    bool null() override { return Value(); }
    bool boolean(bool) override { return Value(); }
    bool number_integer(number_integer_t) override { return Value(); }
    bool number_unsigned(number_unsigned_t) override { return Value(); }
    bool number_float(number_float_t, const string_t&) override { return Value(); }
    bool string(string_t&) override { return Value(); }
    bool binary(binary_t&) override { return Value(); }
    bool start_object(std::size_t) override { return Open(true); }
    bool start_array(std::size_t) override { return Open(false); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& name) override {
        Level& level = levels_.back();
        if (!level.keys.insert(name).second) {
            problem = Message(MessageCode::ReportKeyTwice, {FromUtf8(name), Where()});
            return false;
        }
        level.key = name;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        if (problem.Empty()) problem = MessageCode::ReportNotJson;
        return false;
    }

    Message problem;

private:
    struct Level {
        bool object = false;
        std::set<std::string> keys;
        std::string key;   // the member being read
        size_t index = 0;  // the item being read, of an array
    };

    bool Value() {
        if (!levels_.empty() && !levels_.back().object) ++levels_.back().index;
        return true;
    }

    bool Open(bool object) {
        if (levels_.size() >= kDeepestReportNesting) {
            problem = Message(MessageCode::ReportTooDeep, {int64_t{kDeepestReportNesting}, Where()});
            return false;
        }
        levels_.push_back({object, {}, {}, 0});
        return true;
    }

    bool Close() {
        levels_.pop_back();
        return Value();
    }

    // "limits.limits[0]": where the reading is, as the report's keys name it.
    MessageArg Where() const {
        std::string where;
        for (size_t i = 0; i + 1 < levels_.size(); ++i) {
            const Level& level = levels_[i];
            if (level.object)
                where += (where.empty() ? "" : ".") + level.key;
            else
                where += "[" + std::to_string(level.index) + "]";
        }
        return where.empty() ? Nested(MessageCode::ReportWhole) : MessageArg(FromUtf8(where));
    }

    std::vector<Level> levels_;
};

std::optional<MessageCode> ForeignNode(pugi::xml_node_type type) {
    switch (type) {
        case pugi::node_comment:
            return MessageCode::ReportXmlComment;
        case pugi::node_pi:
            return MessageCode::ReportXmlInstruction;
        case pugi::node_cdata:
            return MessageCode::ReportXmlCdata;
        case pugi::node_doctype:
            return MessageCode::ReportXmlDoctype;
        default:
            return std::nullopt;
    }
}

// Where a node is, by its elements' names: "Document/limits/limit".
MessageArg PathOf(pugi::xml_node node) {
    std::wstring path;
    for (; node && node.type() != pugi::node_document; node = node.parent()) {
        if (node.type() != pugi::node_element) continue;
        path = std::wstring(node.name()) + (path.empty() ? L"" : L"/") + path;
    }
    return path.empty() ? Nested(MessageCode::ReportDocumentWhole) : MessageArg(path);
}

}  // namespace

std::optional<Message> JsonReportProblem(const std::string& bytes) {
    JsonCheck check;
    const bool read = Json::sax_parse(bytes, &check);
    if (!check.problem.Empty()) return check.problem;
    if (!read) return Message(MessageCode::ReportNotJson);
    return std::nullopt;
}

std::optional<Message> XmlReportProblem(const std::string& bytes) {
    pugi::xml_document document;
    const unsigned int everything = pugi::parse_default | pugi::parse_comments | pugi::parse_pi |
                                    pugi::parse_declaration | pugi::parse_doctype;
    if (!document.load_buffer(bytes.data(), bytes.size(), everything, pugi::encoding_utf8))
        return Message(MessageCode::ReportNotXml);
    // Iteratively, with the depth of each node beside it: no recursion however deep the file.
    std::vector<std::pair<pugi::xml_node, size_t>> open{{document, 0}};
    while (!open.empty()) {
        const auto [node, depth] = open.back();
        open.pop_back();
        for (pugi::xml_node child = node.last_child(); child; child = child.previous_sibling()) {
            const bool declaration = child.type() == pugi::node_declaration;
            if (declaration && !(node == document && child == document.first_child()))
                return Message(MessageCode::ReportXmlDeclarationLate);
            if (const std::optional<MessageCode> foreign = ForeignNode(child.type()))
                return Message(MessageCode::ReportXmlForeign, {Nested(*foreign), PathOf(node)});
            if (child.type() == pugi::node_element && child.first_attribute())
                return Message(MessageCode::ReportXmlAttribute,
                               {PathOf(child), std::wstring(child.first_attribute().name())});
            if (child.type() != pugi::node_element) continue;
            if (depth + 1 > kDeepestReportNesting)
                return Message(MessageCode::ReportXmlTooDeep, {int64_t{kDeepestReportNesting}});
            open.emplace_back(child, depth + 1);
        }
    }
    return std::nullopt;
}

std::wstring ElementText(const pugi::xml_node& element) {
    std::wstring text;
    for (const pugi::xml_node& child : element.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) text += child.value();
    }
    return text;
}
