#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/Message.h"

#include "tables/Component.h"

class CsvTable;

// How ComponentsTable::Save ended. Except for WriteFailed, a save that did not succeed left the file
// exactly as it was.
enum class SaveStatus {
    Saved,
    NoPath,           // no file to save to (the public documents folder is unknown)
    Unrepresentable,  // a name holds a character the file's code page lacks
    Unstorable,       // a name holds ";", CR or LF, or oxygen atoms are no whole number from 1 on
    ReadsAsUtf8,      // the names, written in Windows-1251, would read back as other text in UTF-8
    OpenFailed,       // the file is missing, read-only or held by another program
    NotLoaded,        // the file has rows the last load could not read; saving would overwrite them
    WriteFailed,      // writing stopped part-way
};

struct SaveResult {
    SaveStatus status = SaveStatus::Saved;
    size_t component = 0;  // position of the refused component, for Unrepresentable and Unstorable
    Message message;       // for an error box; empty for Saved and NoPath
};

// The components the calculation looks for, with what it takes to read and rewrite their file:
// Windows-1251, a header line kept byte for byte, then one line "id;peakName;name;molarMass;density"
// per component, optionally followed by the oxygen atoms of its molecule (empty: 1). Numbers are written with
// a decimal point; a decimal comma, as a spreadsheet with a Russian locale saves them, is read too.
class ComponentsTable {
public:
    // Decimals with which molar masses and densities are written and shown.
    static constexpr int32_t precision = 2;

    std::wstring path;                  // the components file; empty when it cannot be located
    std::vector<Component> components;  // file order; added rows at the end
    int32_t nextId = 0;                 // id of the next added row
    int32_t headerLength = 0;           // bytes of the header line with its CR LF; -1: the file had none
    // The header line's fields when it cannot be kept byte for byte (the file was UTF-8, or its first
    // line did not end in CR LF): the next save writes the whole file anew in Windows-1251.
    std::optional<std::vector<std::wstring>> headerToRewrite;
    // The file's first line was a component (its molar mass and density are numbers), not a header:
    // it is read as one, and the next save writes a header before it.
    bool headerMissing = false;
    // The header line's fields as last read; empty when there was none.
    std::vector<std::wstring> headerFields;
    // The file has the sixth column, "Атомов O". It is written when it was read or when a component
    // has other than one oxygen atom; a table of one-atom oxygenates keeps its five fields.
    bool hasOxygenAtoms = false;

    // Replaces the components with the rows of the file, creating the file empty when it is missing.
    // A file that does not open gives an empty table and false. nextId becomes the last row's id + 1
    // when rows were read and stays as it was otherwise.
    bool Load();
    // As Load, but the file is only read, shared with whoever holds it, and never created: a check of
    // an earlier report reads the table as it is.
    bool LoadReadOnly();
    // As Load, from a file's bytes read elsewhere (read once for its checksum and its rows).
    void LoadBytes(std::string_view bytes);

    // Rewrites the file behind its header line and cuts it after the last component. When the file had
    // no header line, one of the dialog's column captions is written first. Nothing is written when a
    // name cannot be stored.
    SaveResult Save() const;

    // Appends a row waiting for the user's values; it takes nextId.
    void AddComponent();

    // Removes the first row with this id; nothing when there is none.
    void RemoveComponent(int32_t id);

private:
    bool TakeRows(const CsvTable& table, bool read);
};
