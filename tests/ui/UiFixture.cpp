#include "UiFixture.h"

#include <stdexcept>

#include "DemoData.h"
#include "data/DataBaseConnection.h"
#include "res/ResourceIds.h"
#include "win/Resources.h"

namespace {

constexpr UINT kListNotice = WM_USER + 11;

}  // namespace

void UiFixture::SetUp() {
    host.Reset();
    DemoData::WriteDemo(folder.Path(), 400);
    DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
    limits_.emplace(L"\\LimitsOxycalc.csv");
    components_.emplace(ReadBytes(DemoData::InFolder(folder.Path(), L"CompsTableOxycalc.csv")));
    componentsPath = components_->Path();
    frame = CreateWindowExW(0, L"STATIC", L"host frame", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                            nullptr, nullptr, nullptr);
    owner = CreateWindowExW(0, L"STATIC", L"host window", WS_POPUP, 0, 0, 10, 10, frame, nullptr, nullptr,
                            nullptr);
}

void UiFixture::TearDown() {
    DestroyWindow(owner);
    DestroyWindow(frame);
    components_.reset();
    limits_.reset();
}

void UiFixture::WriteComponents(const std::string& bytes) const {
    components_->Write(bytes);
}

std::unique_ptr<DlgMain> UiFixture::OpenMainDialog() {
    auto dialog = std::make_unique<DlgMain>(HostLink(host.Table()), L"plugins\\oxycalc", [] {});
    dialog->Create(owner);
    PumpDialogMessages(dialog->Handle());
    return dialog;
}

std::unique_ptr<DlgMain> UiFixture::WithChromatograms(std::vector<int32_t> ids) {
    auto dialog = OpenMainDialog();
    host.chosenIds = std::move(ids);
    Click(dialog->Handle(), IDC_OXY_ADD);
    TakeListNotices();
    boxes.boxes.clear();
    return dialog;
}

std::wstring UiFixture::DemoFile(const std::wstring& name) const {
    return DemoData::InFolder(folder.Path(), name);
}

std::vector<int> UiFixture::RowIds(const ListView& list) {
    std::vector<int> ids;
    for (int item = 0; item < list.ItemCount(); ++item) {
        const auto* data = reinterpret_cast<const GridRowData*>(list.ItemData(item));
        ids.push_back(data ? data->value : -1);
    }
    return ids;
}

std::vector<std::wstring> UiFixture::Column(const ListView& list, int column) {
    std::vector<std::wstring> texts;
    for (int item = 0; item < list.ItemCount(); ++item) texts.push_back(list.ItemText(item, column));
    return texts;
}

int UiFixture::TakeListNotices() {
    int count = 0;
    MSG message;
    while (PeekMessageW(&message, frame, kListNotice, kListNotice, PM_REMOVE)) ++count;
    return count;
}

EnglishResources::EnglishResources() : module_(L"oxycalcENU.dll") {
    if (!module_) throw std::runtime_error("oxycalcENU.dll is not beside the tests");
    SetResourceModule(module_.Get());
}

EnglishResources::~EnglishResources() {
    SetResourceModule(OwnModule());
}

ListView ListOf(const DlgMain& dialog, int id) {
    return ListView(dialog.Item(id));
}

void SetEditText(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}

bool Marked(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    HDC dc = GetDC(field);
    SetBkColor(dc, RGB(255, 255, 255));
    SendMessageW(dialog, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    const bool coloured = GetBkColor(dc) != RGB(255, 255, 255);
    ReleaseDC(field, dc);
    return coloured;
}
