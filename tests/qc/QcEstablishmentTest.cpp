#include "qc/QcEstablishment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "platform/Codepage1251.h"
#include "platform/Sha256.h"
#include "platform/WideText.h"
#include "records/TableLog.h"
#include "records/TrackedTables.h"
#include "support/MessageText.h"
#include "support/ScopedTimeZone.h"
#include "support/TempFolder.h"

namespace {

// A result a day, made at `day` · 1000 seconds.
QcResult Result(int day, double value) {
    QcResult result;
    result.first = day * 1000;
    result.last = result.first + 100;
    result.seriesKey = std::to_wstring(day);
    result.measurement.value = value;
    return result;
}

// Twenty-five days alternating between 2.0 and 2.1, then 2.4.
std::vector<QcResult> Days() {
    std::vector<QcResult> results;
    for (int day = 1; day <= 25; ++day) results.push_back(Result(day, day % 2 == 0 ? 2.0 : 2.1));
    results.push_back(Result(26, 2.4));
    return results;
}

std::string Cp1251(const std::wstring& text) {
    return *ToCodepage1251(text);
}

const char kQcFile[] =
    "# контроль\r\n"
    "Проба;Компонент;Величина;Принятое;Допуск\r\n"
    "\r\n"
    "КО-1;;% масс.;;\r\n"
    "КО-1;МТБЭ;% масс.;5,00;0.15\r\n";

}  // namespace

TEST(QcEstablishment, TakesTheFirstTwentyUsedResultsOrThoseOfTheDatesGiven) {
    std::vector<QcResult> results = Days();
    results[2].measurement.doubt =
        MessageCode::DoubtNoStandard;  // not used: the baseline reaches a day further
    const Establishment first = EstablishLimits(results, std::nullopt, 5000000, L"первичная установка");
    ASSERT_TRUE(first.limits.has_value()) << Russian(first.why);
    EXPECT_EQ(first.limits->count, 20u);
    EXPECT_EQ(first.limits->baselineFrom, 1000);
    EXPECT_EQ(first.limits->baselineTo, 21100);
    EXPECT_DOUBLE_EQ(first.limits->centre, 2.05);  // ten of each
    // Rounded to the six decimals the file keeps (18 · 0.1 / 19): what is used now is what later runs read.
    EXPECT_DOUBLE_EQ(first.limits->movingRangeMean, 0.094737);
    EXPECT_EQ(first.limits->at, 5000000);
    EXPECT_EQ(first.limits->reason, L"первичная установка");

    const Establishment dated = EstablishLimits(results, BaselineDates{4000, 24000}, 0, L"пересмотр");
    ASSERT_TRUE(dated.limits.has_value()) << Russian(dated.why);
    EXPECT_EQ(dated.limits->count, 20u);
    EXPECT_DOUBLE_EQ(dated.limits->centre, 2.05);
}

TEST(QcEstablishment, EstablishesNothingFromTooFewResultsNoSpreadOrABaselineWithAnOutlier) {
    // Limits that stay fixed need a full baseline: nineteen results give none.
    EXPECT_EQ(Russian(EstablishLimits(Days(), BaselineDates{1000, 20000}, 0, L"x").why),
              L"в базовом периоде 19 используемых результатов, нужно не менее 20");
    std::vector<QcResult> equal;
    for (int day = 1; day <= 20; ++day) equal.push_back(Result(day, 2.1));
    EXPECT_FALSE(EstablishLimits(equal, std::nullopt, 0, L"x").limits.has_value());
    std::vector<QcResult> wild = Days();
    wild[7].measurement.value = 1e300;
    const Establishment outlier = EstablishLimits(wild, std::nullopt, 0, L"x");
    EXPECT_FALSE(outlier.limits.has_value());
    EXPECT_NE(Russian(outlier.why).find(L"за пределами"), std::wstring::npos) << Russian(outlier.why);
    // A failed check inside the baseline: within the limits it widens itself (2.0662 ± 2.66 · 0.124 reaches
    // 2.396), beyond those of the rest (2.05 ± 2.66 · 0.0947).
    std::vector<QcResult> failedCheck = Days();
    failedCheck[10].measurement.value = 2.39;
    const Establishment widened = EstablishLimits(failedCheck, BaselineDates{1000, 22000}, 0, L"x");
    EXPECT_FALSE(widened.limits.has_value());
    EXPECT_NE(
        Russian(widened.why).find(L"(2.3900) лежит за пределами 1.7980 … 2.3020, которые дают остальные"),
        std::wstring::npos)
        << Russian(widened.why);
}

TEST(QcEstablishment, WritesTheLimitsIntoTheQcFileKeepingEveryOtherByteAndLogsTheChange) {
    const ScopedTimeZone utc{"UTC0"};
    TempFolder folder;
    const std::string before = Cp1251(FromUtf8(kQcFile));
    const std::wstring path = folder.Write(L"QcOxycalc.csv", before);
    std::optional<QcFile> file = ReadQcFile(path);
    ASSERT_EQ(file->lines.size(), 2u);
    const EstablishedLimits limits =
        *EstablishLimits(Days(), std::nullopt, 1710583500, L"первые 20 дней").limits;
    const std::vector<std::wstring> changes = {DescribeLimitsChange(file->lines[0], limits)};
    EXPECT_EQ(changes[0],
              L"карта «КО-1 — кислород, % масс.» (строка 4): средняя линия — → 2.050000; средний скользящий "
              L"размах — → 0.100000; пределы 3σ — → 1.7840 … 2.3160; базовый период — → 20 результатов, "
              L"01.01.70  00:16 – 01.01.70  05:35");
    bool logged = false;
    Message error;
    ASSERT_TRUE(
        RecordEstablishedLimits(*file, {limits, std::nullopt}, L"первые 20 дней", changes, logged, error))
        << error;
    EXPECT_TRUE(logged);
    EXPECT_EQ(ReadBytes(path),
              Cp1251(L"# контроль\r\n"
                     L"Проба;Компонент;Величина;Принятое;Допуск;Средняя линия;Средний скользящий размах;"
                     L"Результатов базового периода;Базовый период с (UTC);Базовый период по (UTC);"
                     L"Пределы установлены (UTC);Причина\r\n"
                     L"\r\n"
                     L"КО-1;;% масс.;;;2.050000;0.100000;20;1970-01-01T00:16:40Z;1970-01-01T05:35:00Z;"
                     L"2024-03-16T10:05:00Z;первые 20 дней\r\n"
                     L"КО-1;МТБЭ;% масс.;5,00;0.15\r\n"));
    // Read back, the limits are those recorded; the log names who, when, why and what changed.
    file = ReadQcFile(path);
    ASSERT_TRUE(file->errors.empty()) << file->errors.front();
    EXPECT_DOUBLE_EQ(file->lines[0].established->centre, 2.05);
    EXPECT_EQ(file->lines[0].established->baselineTo, limits.baselineTo);
    const std::vector<TableLogEntry> log = TableLog(path).ReadAll();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().event, L"установлены контрольные пределы");
    EXPECT_EQ(log.back().reason, L"первые 20 дней");
    EXPECT_EQ(log.back().notes, changes);
    // The fields that changed, as every entry names them: what a check of the log finds between the versions
    // (the comment above the header is taken for the captions' line, as in every entry of this file).
    const std::vector<std::wstring>& fields = log.back().changes;
    EXPECT_NE(std::find(fields.begin(), fields.end(), L"строка «КО-1»: поле 6 «» → «2.050000»"),
              fields.end());
    EXPECT_TRUE(CheckTableVersions(TableLog(path), log).intact)
        << CheckTableVersions(TableLog(path), log).problem;
    EXPECT_FALSE(file->tracking.changedOutside);

    // A revision: the old limits stay in the log, beside the new ones.
    EstablishedLimits revised = limits;
    revised.centre = 2.06;
    revised.reason = L"новая партия; стандарта";
    const std::wstring revision = DescribeLimitsChange(file->lines[0], revised);
    EXPECT_NE(revision.find(L"средняя линия 2.050000 → 2.060000"), std::wstring::npos) << ToUtf8(revision);
    ASSERT_TRUE(
        RecordEstablishedLimits(*file, {revised, std::nullopt}, revised.reason, {revision}, logged, error));
    file = ReadQcFile(path);
    // The file has no quoting: the reason's separator is written as a comma.
    EXPECT_EQ(Russian(file->lines[0].established->reason), L"новая партия, стандарта");
    EXPECT_EQ(TableLog(path).ReadAll().back().notes, std::vector<std::wstring>{revision});
    EXPECT_TRUE(CheckTableVersions(TableLog(path), TableLog(path).ReadAll()).intact);

    // An entry as the program wrote it before, naming the charts' limits in its changes: it holds while only
    // the limits' fields changed, not when a tolerance changed with them.
    for (const auto& [from, to, holds] :
         {std::tuple{"2.060000", "2.070000", true}, std::tuple{"0.15", "0.50", false}}) {
        TableLog qcLog(path);
        std::string bytes = ReadBytes(path);
        bytes.replace(bytes.find(from), std::string(from).size(), to);
        WriteBytes(path, bytes);
        qcLog.KeepVersion(bytes, Sha256Hex(bytes));
        qcLog.Append(kLimitsEstablishedEvent, L"x", {L"карта «КО-1 — кислород, % масс.» (строка 4): …"},
                     Sha256Hex(bytes));
        EXPECT_EQ(CheckTableVersions(qcLog, qcLog.ReadAll()).intact, holds) << to;
    }
}

TEST(QcEstablishment, WritesNothingIntoAFileChangedSinceItWasReadOrWhoseEncodingLacksTheReason) {
    const ScopedTimeZone utc{"UTC0"};
    TempFolder folder;
    const std::wstring path = folder.Write(L"QcOxycalc.csv", Cp1251(FromUtf8(kQcFile)));
    const std::optional<QcFile> file = ReadQcFile(path);
    EstablishedLimits limits = *EstablishLimits(Days(), std::nullopt, 0, L"x").limits;
    bool logged = false;
    Message error;
    limits.reason = L"≈ по первым дням";  // no such character in Windows-1251
    EXPECT_FALSE(RecordEstablishedLimits(*file, {limits, std::nullopt}, limits.reason, {}, logged, error));
    EXPECT_NE(Russian(error).find(L"Windows-1251"), std::wstring::npos);
    EXPECT_EQ(ReadBytes(path), Cp1251(FromUtf8(kQcFile)));
    limits.reason = L"x";
    WriteBytes(path, Cp1251(FromUtf8(kQcFile)) + "КО-2;;% масс.\r\n");
    EXPECT_FALSE(RecordEstablishedLimits(*file, {limits, std::nullopt}, limits.reason, {}, logged, error));
    EXPECT_NE(Russian(error).find(L"изменён"), std::wstring::npos);

    // A UTF-8 file stays UTF-8, its byte-order mark and line ends as they were.
    const std::string utf8 = "\xEF\xBB\xBFКО-1;;% масс.\nКО-1;МТБЭ;% масс.;5;0.15\n";
    const std::wstring other = folder.Write(L"utf8.csv", utf8);
    ASSERT_TRUE(RecordEstablishedLimits(*ReadQcFile(other), {std::nullopt, limits}, L"≈", {}, logged, error))
        << error;
    const std::string kept = "\xEF\xBB\xBFКО-1;;% масс.\n";
    EXPECT_EQ(ReadBytes(other).substr(0, kept.size()), kept);
    EXPECT_EQ(ReadQcFile(other)->lines[1].established->reason, L"x");
}
