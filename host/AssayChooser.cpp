#include "AssayChooser.h"

#include <commctrl.h>

#include <ctime>

#include "HostResources.h"
#include "data/DataBaseConnection.h"
#include "data/DbHandle.h"
#include "data/SqlException.h"
#include "data/Statement.h"
#include "platform/WideText.h"
#include "win/Dialog.h"

namespace {

struct AssayRow {
    int32_t id;
    std::wstring sample, mixture, method, time, kind;
};

std::wstring LocalTime(int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    wchar_t text[32] = {};
    std::wcsftime(text, 32, L"%d.%m.%y  %H:%M", std::localtime(&time));
    return text;
}

std::vector<AssayRow> ReadAssays(const std::wstring& database) {
    DataBaseConnection::Instance().Store(database.c_str());
    DataBase::DbHandle db;
    DataBase::Statement statement = DataBase::Prepare(
        db,
        L"SELECT id, date, sample, mixture, method, iscalibration FROM [assay] ORDER BY date DESC, id DESC;");
    std::vector<AssayRow> rows;
    DataBase::ReadRows(
        statement, [&rows](int32_t id, int64_t date, const std::wstring& sample, const std::wstring& mixture,
                           const std::wstring& method, int32_t isCalibration) {
            rows.push_back(
                {id, sample, mixture, method, LocalTime(date), isCalibration ? L"Градуировка" : L"Анализ"});
        });
    return rows;
}

class AssayChooserDialog : public Dialog {
public:
    AssayChooserDialog(std::vector<AssayRow> rows, size_t capacity)
        : rows_(std::move(rows)), capacity_(capacity) {}
    std::vector<int> picked;

protected:
    BOOL OnInitDialog() override {
        HWND list = Item(IDC_HOST_ASSAY_LIST);
        ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
        const struct {
            const wchar_t* caption;
            int width;
        } columns[] = {{L"№", 45},      {L"Проба", 150},         {L"Смесь", 105},
                       {L"Метод", 140}, {L"Время анализа", 110}, {L"Вид", 95}};
        for (int i = 0; i < 6; ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = columns[i].width;
            column.pszText = const_cast<wchar_t*>(columns[i].caption);
            ListView_InsertColumn(list, i, &column);
        }
        for (size_t row = 0; row < rows_.size(); ++row) AddRow(list, static_cast<int>(row));
        return TRUE;
    }

    void OnOk() override {
        HWND list = Item(IDC_HOST_ASSAY_LIST);
        for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0 && picked.size() < capacity_;
             row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
            picked.push_back(rows_[static_cast<size_t>(row)].id);
        }
        End(IDOK);
    }

private:
    void AddRow(HWND list, int row) {
        const AssayRow& assay = rows_[static_cast<size_t>(row)];
        std::wstring id = std::to_wstring(assay.id);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = id.data();
        ListView_InsertItem(list, &item);
        const std::wstring* cells[] = {&assay.sample, &assay.mixture, &assay.method, &assay.time,
                                       &assay.kind};
        for (int column = 0; column < 5; ++column) {
            ListView_SetItemText(list, row, column + 1, const_cast<wchar_t*>(cells[column]->c_str()));
        }
    }

    std::vector<AssayRow> rows_;
    size_t capacity_;
};

}  // namespace

std::vector<int> ChooseAssays(HWND owner, const std::wstring& database, size_t capacity) {
    std::vector<AssayRow> rows;
    try {
        rows = ReadAssays(database);
    } catch (const DataBase::SqlException& error) {
        MessageBoxW(owner, FromUtf8(error.what()).c_str(), L"Ошибка", MB_OK | MB_ICONERROR);
        return {};
    }
    AssayChooserDialog dialog(std::move(rows), capacity);
    if (dialog.RunModal(GetModuleHandleW(nullptr), IDD_HOST_ASSAY_CHOOSER, owner) != IDOK) return {};
    return dialog.picked;
}
