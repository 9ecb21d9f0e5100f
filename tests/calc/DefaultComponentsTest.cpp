// The components table the installer ships, held against EN 228's E10 pair: petrol with 10 % V/V of
// ethanol, volumes at 15 °C as the standard states them.
#include <gtest/gtest.h>

#include "DemoData.h"
#include "calc/Limits.h"
#include "calc/Recalculation.h"
#include "calc/RoundTo4.h"
#include "records/TrackedTables.h"
#include "report/ReportSample.h"
#include "support/MessageText.h"
#include "support/TempFolder.h"
#include "tables/ComponentsTable.h"

namespace {

Peak MakePeak(std::wstring name, double concentration) {
    Peak peak;
    peak.name = std::move(name);
    peak.concentration = concentration;
    return peak;
}

std::vector<Component> ShippedComponents(const TempFolder& folder) {
    ComponentsTable table;
    table.path = folder.File(L"CompsTableOxycalc.csv");
    DemoData::WriteComponentsFile(table.path);
    EXPECT_TRUE(table.Load());
    return table.components;
}

}  // namespace

TEST(DefaultComponents, ReadTenPerCentEthanolByVolumeAsTenAndWithinE10sOxygen) {
    TempFolder folder;
    ComponentsSnapshot components;
    components.source = ComponentsSource::File;
    components.components = ShippedComponents(folder);
    const CalculationSettings settings{L"1,2-Диметоксиэтан", 745.0};  // kg/m3 at 15 °C
    const double ethanolDensity = 793.50;
    std::vector<Assay> assays(1);
    assays[0].isTicked = 1;
    assays[0].sampleMass = 10.0;
    assays[0].peaks = {MakePeak(L"Этанол", 10.0 * ethanolDensity / settings.sampleDensity),
                       MakePeak(L"1,2-Диметоксиэтан", 5.0)};
    const std::optional<LimitsFile> e10 =
        ReadLimitsFile(CopyOfSourceFile(L"src/tables/LimitsOxycalc-EN228-E10.csv", folder));
    ASSERT_TRUE(e10.has_value());
    const CalculationData data = Recalculate(settings, components, assays, e10);
    ASSERT_EQ(data.results.size(), 2u);
    EXPECT_EQ(RoundTo4(data.results[0].volumePercent), 10.0);

    const std::vector<LimitVerdict>& verdicts = data.verdicts;
    EXPECT_EQ(verdicts[0].measured, 3.6991);  // oxygen, % by mass
    EXPECT_EQ(verdicts[0].outcome, LimitVerdict::Outcome::Conforms);
    EXPECT_EQ(verdicts[2].measured, 10.0);  // ethanol, % by volume
    EXPECT_EQ(verdicts[2].outcome, LimitVerdict::Outcome::Conforms) << Russian(verdicts[2].doubt);
}
