#include "ui/WarningTexts.h"

#include "platform/TextTemplate.h"
#include "res/ResourceIds.h"
#include "win/Resources.h"

namespace {

using Kind = CalculationWarning::Kind;

struct KindString {
    Kind kind;
    UINT id;
};

// A new kind of warning gets a line here and its strings in both string tables.
constexpr KindString kStrings[] = {
    {Kind::StandardNotFound, IDS_OXY_WARN_STANDARD_NOT_FOUND},
    {Kind::NoMolarMass, IDS_OXY_WARN_NO_MOLAR_MASS},
    {Kind::NoDensity, IDS_OXY_WARN_NO_DENSITY},
    {Kind::ComponentsLastRead, IDS_OXY_WARN_COMPONENTS_LAST_READ},
    {Kind::ComponentsNotRead, IDS_OXY_WARN_COMPONENTS_NOT_READ},
    {Kind::SeveralSamples, IDS_OXY_WARN_SEVERAL_SAMPLES},
    {Kind::NoStandard, IDS_OXY_WARN_NO_STANDARD},
    {Kind::ImplausibleDensity, IDS_OXY_WARN_IMPLAUSIBLE_DENSITY},
    {Kind::NoPeakName, IDS_OXY_WARN_NO_PEAK_NAME},
    {Kind::NoComponents, IDS_OXY_WARN_NO_COMPONENTS},
    {Kind::NoSampleDensity, IDS_OXY_WARN_NO_SAMPLE_DENSITY},
    {Kind::ComponentsWithoutHeader, IDS_OXY_WARN_COMPONENTS_WITHOUT_HEADER},
    {Kind::NoNamedPeaks, IDS_OXY_WARN_NO_NAMED_PEAKS},
    {Kind::NoStandardPeak, IDS_OXY_WARN_NO_STANDARD_PEAK},
    {Kind::PartlyFound, IDS_OXY_WARN_PARTLY_FOUND},
    {Kind::BadConcentration, IDS_OXY_WARN_BAD_CONCENTRATION},
    {Kind::NoOxygenAtoms, IDS_OXY_WARN_NO_OXYGEN_ATOMS},
    {Kind::NoAnalysisDate, IDS_OXY_WARN_NO_ANALYSIS_DATE},
    {Kind::TableChangedOutside, IDS_OXY_WARN_TABLE_CHANGED_OUTSIDE},
    {Kind::TableLogUnwritable, IDS_OXY_WARN_TABLE_LOG_UNWRITABLE},
    {Kind::TableLogBroken, IDS_OXY_WARN_TABLE_LOG_BROKEN},
    {Kind::PeakNameInSeveralRows, IDS_OXY_WARN_PEAK_NAME_IN_SEVERAL_ROWS},
    {Kind::StandardInSeveralRows, IDS_OXY_WARN_STANDARD_IN_SEVERAL_ROWS},
    {Kind::PeakTwiceInChromatogram, IDS_OXY_WARN_PEAK_TWICE_IN_CHROMATOGRAM},
    {Kind::NewDefaultTable, IDS_OXY_WARN_NEW_DEFAULT_TABLE},
};

}  // namespace

UINT WarningStringId(CalculationWarning::Kind kind) {
    for (const KindString& entry : kStrings) {
        if (entry.kind == kind) return entry.id;
    }
    return 0;
}

std::wstring WarningText(const CalculationWarning& warning) {
    const UINT id = WarningStringId(warning.kind);
    const std::wstring pattern = id != 0 ? ResourceText(id) : std::wstring();
    return pattern.empty() ? warning.Text()
                           : FillTemplate(pattern, {warning.subject, warning.chromatograms, warning.detail});
}
