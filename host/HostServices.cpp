#include "HostServices.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>

#include "AssayChooser.h"
#include "platform/WideText.h"

namespace {

const wchar_t* Text(intptr_t argument) {
    return reinterpret_cast<const wchar_t*>(argument);
}

void OfferProfile(ServiceBus& bus, Profile& profile) {
    bus.Offer(HostNames::kProfileGetInt, [&profile](intptr_t path, intptr_t target) -> intptr_t {
        const auto value = profile.Get(Text(path));
        if (!value || target == 0) return 0;
        *reinterpret_cast<int32_t*>(target) = static_cast<int32_t>(std::wcstol(value->c_str(), nullptr, 10));
        return 1;
    });
    bus.Offer(HostNames::kProfileSetInt, [&profile](intptr_t path, intptr_t value) -> intptr_t {
        if (value == 0) return 0;
        profile.Set(Text(path), std::to_wstring(*reinterpret_cast<const int32_t*>(value)));
        return 1;
    });
    bus.Offer(HostNames::kProfileGetString, [&profile](intptr_t path, intptr_t target) -> intptr_t {
        const auto value = profile.Get(Text(path));
        auto* buffer = reinterpret_cast<ProfileStringBuffer*>(target);
        if (!value || buffer == nullptr || buffer->text == nullptr || buffer->capacity <= 0) return 0;
        const size_t count = std::min(value->size(), static_cast<size_t>(buffer->capacity - 1));
        std::wmemcpy(buffer->text, value->c_str(), count);
        buffer->text[count] = L'\0';
        return 1;
    });
    bus.Offer(HostNames::kProfileSetString, [&profile](intptr_t path, intptr_t value) -> intptr_t {
        profile.Set(Text(path), value ? Text(value) : L"");
        return 1;
    });
    bus.Offer(HostNames::kProfileDelParam, [&profile](intptr_t path, intptr_t) -> intptr_t {
        profile.Delete(Text(path));
        return 1;
    });
}

void OfferChooser(ServiceBus& bus, const HostOptions& options) {
    bus.Offer(HostNames::kOpenAssayIdDlgEx, [&options](intptr_t list, intptr_t owner) -> intptr_t {
        auto* target = reinterpret_cast<AssayIdList*>(list);
        if (target == nullptr || target->ids == nullptr || target->capacity <= 0) return 0;
        const size_t capacity = static_cast<size_t>(target->capacity);
        const std::vector<int> ids =
            options.chosenIds  ? *options.chosenIds
            : options.database ? ChooseAssays(reinterpret_cast<HWND>(owner), *options.database, capacity)
                               : std::vector<int>();
        const size_t count = std::min(ids.size(), static_cast<size_t>(target->capacity));
        std::copy_n(ids.begin(), count, target->ids);
        return static_cast<intptr_t>(count);
    });
}

}  // namespace

void OfferHostServices(ServiceBus& bus, const HostOptions& options, Profile& profile, MainWindow& window,
                       ChromatogramWindows& chromatograms) {
    bus.Offer(HostNames::kGetLanguage, [&options](intptr_t, intptr_t) { return intptr_t{options.language}; });
    if (options.database) {
        bus.Offer(HostNames::kGetConnectionUri, [&options](intptr_t, intptr_t) {
            return reinterpret_cast<intptr_t>(options.database->c_str());
        });
    }
    bus.Offer(HostNames::kCreateNewMenu, [&window](intptr_t, intptr_t record) -> intptr_t {
        const auto* entry = reinterpret_cast<const NewMenuInfo*>(record);
        if (entry == nullptr || entry->size < sizeof(NewMenuInfo) || entry->path == nullptr ||
            entry->command == nullptr) {
            return 0;
        }
        window.AddMenuEntry(entry->path, entry->command);
        return 1;
    });
    bus.Offer(HostNames::kOpenAssayFile, [&window, &chromatograms](intptr_t, intptr_t path) -> intptr_t {
        const std::wstring file = path ? Text(path) : L"";
        const bool opened = chromatograms.Open(window.Handle(), file);
        window.SetStatus((opened ? L"Открыт файл хроматограммы: " : L"Файл хроматограммы не читается: ") +
                         file);
        return opened ? 1 : 0;
    });
    OfferProfile(bus, profile);
    OfferChooser(bus, options);
}
