#include "calc/MethodScope.h"

#include "messages/Catalogue.h"
#include "tables/NameCompare.h"

ScopeNote ResultScope(const ComponentResult& result, const std::wstring& standard) {
    if (EqualNoCase(result.name, standard)) return ScopeNote::Within;
    if (result.massPercent < kLowestOxygenateMassPercent) return ScopeNote::Below;
    if (result.massPercent > kHighestOxygenateMassPercent) return ScopeNote::Above;
    return ScopeNote::Within;
}

ScopeNote TotalOxygenScope(double totalOxygen) {
    return totalOxygen > kHighestTotalOxygenMassPercent ? ScopeNote::Above : ScopeNote::Within;
}

std::wstring ScopeNoteText(ScopeNote note, Language language) {
    switch (note) {
        case ScopeNote::Within:
            break;
        case ScopeNote::Below:
            return Render(MessageCode::ScopeBelow, language);
        case ScopeNote::Above:
            return Render(MessageCode::ScopeAbove, language);
    }
    return std::wstring();
}
