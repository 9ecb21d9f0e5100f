#include "UiFixture.h"

#include "DemoData.h"
#include "data/DataBaseConnection.h"
#include "win/Resources.h"

namespace {

constexpr UINT kListNotice = WM_USER + 11;

}  // namespace

void UiFixture::SetUp() {
    host.Reset();
    DemoData::WriteDemo(folder.Path(), 400);
    DataBaseConnection::Instance().Store(DemoData::HostDatabasePath(folder.Path()).c_str());
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

ListView ListOf(const DlgMain& dialog, int id) {
    return ListView(dialog.Item(id));
}

void SetEditText(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}
