#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <string>
#include <vector>

// One chromatographic column named in a passport.
struct PassportColumn {
    int32_t channel = 0;
    std::wstring name;
    std::wstring brand;
    int32_t type = 0;
    double diameter = 0;
    double length = 0;
    std::wstring carrier;
    std::wstring phase;
    double percent = 0;
    int32_t unit = 0;
    double fraction0 = 0;
    double fraction1 = 0;
    double film = 0;
    std::wstring part;
    std::wstring serial;
};

// A further named value of a passport, such as the sample mass "masssample".
struct PassportItem {
    std::wstring name;  // the element's name; empty for a text node
    std::wstring title;
    std::wstring value;
};

// The passport of a chromatogram file: what was analysed, when and how, and further named values.
class Passport {
public:
    std::wstring path;  // the file this passport was last read from or written to; not in the XML
    std::wstring assayid = L"00000000-0000-0000-0000-000000000000";
    std::wstring series;
    int64_t andate = 0;
    double duration = 0;
    std::wstring sample;
    std::wstring method;
    bool graduation = false;  // a calibration run
    int64_t date = 0;
    bool defect = false;
    std::wstring mixture;
    std::vector<PassportColumn> columns;
    std::vector<PassportItem> items;

    // Fills the passport from its element, which may be empty. Columns and items are replaced;
    // a scalar whose element is absent keeps its value, and a repeated one takes the last.
    void Read(const pugi::xml_node& element);
    // Fills a new, empty `passport` element; the path is not written.
    void Write(pugi::xml_node element) const;
    // The value text of the first item named "masssample" (possibly empty); null when there is none.
    const std::wstring* FindMassSample() const;
};
