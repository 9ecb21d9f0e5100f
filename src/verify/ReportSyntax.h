#pragma once

#include <optional>
#include <string>

#include <pugixml.hpp>

#include "messages/Message.h"

// What a recorded report may hold beyond its members and elements: nothing. A report is read back only in
// the forms the program writes it, so that what a check compares is what every reader of the file sees.

// The deepest nesting of objects and arrays, or of elements, a report is read with: the program writes
// fewer than ten levels, and a deeper file is refused before anything recursive touches it.
constexpr size_t kDeepestReportNesting = 32;

// Why a report for programs is not one the program could have written: a key given twice in one object (a
// reader that takes the first and one that takes the last would see different reports), nesting deeper
// than kDeepestReportNesting, or text that is no JSON. Nothing when it reads so.
std::optional<Message> JsonReportProblem(const std::string& bytes);

// Why a report document is not one the program could have written: a comment, a processing instruction, a
// CDATA section or a document type (each can make the text a reader sees differ from the first text node),
// an attribute, nesting deeper than kDeepestReportNesting, or text that is no XML. Nothing when it reads so.
std::optional<Message> XmlReportProblem(const std::string& bytes);

// The whole text an element holds itself, every text node of it joined: what a reader of the file sees.
std::wstring ElementText(const pugi::xml_node& element);
