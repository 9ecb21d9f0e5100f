#include "tables/QcFile.h"

#include <gtest/gtest.h>

#include "records/TrackedTables.h"
#include "support/MessageText.h"
#include "support/TempFolder.h"

TEST(QcFile, ReadsEachLineWithItsOptionalValuesAndSkipsHeaderCommentsAndBlankLines) {
    TempFolder folder;
    const std::optional<QcFile> file = ReadQcFile(folder.Write(L"QcOxycalc.csv",
                                                               "Проба;Показатель;Величина;Принятое;Допуск\n"
                                                               "# check standard\n"
                                                               "\n"
                                                               " КО-1 ;;% масс.;;\n"
                                                               "КО-1;МТБЭ;% МАСС;5,00;0.15\n"
                                                               "СО-2;Этанол;% об.;3.1\n"));
    ASSERT_TRUE(file.has_value());
    EXPECT_TRUE(file->errors.empty()) << Russian(file->errors.front());
    ASSERT_EQ(file->lines.size(), 3u);
    EXPECT_EQ(file->lines[0].sample, L"КО-1");
    EXPECT_TRUE(file->lines[0].peakName.empty());
    EXPECT_FALSE(file->lines[0].accepted.has_value());
    EXPECT_EQ(file->lines[0].Title(), L"КО-1 — кислород, % масс.");
    EXPECT_DOUBLE_EQ(*file->lines[1].accepted, 5.0);
    EXPECT_EQ(file->lines[1].acceptedText, L"5.00");
    EXPECT_DOUBLE_EQ(*file->lines[1].tolerance, 0.15);
    EXPECT_EQ(file->lines[2].quantity, LimitQuantity::VolumePercent);
    EXPECT_FALSE(file->lines[2].tolerance.has_value());
    EXPECT_FALSE(ReadQcFile(folder.File(L"missing.csv")).has_value());
}

TEST(QcFile, KeepsEveryLineItCannotReadAsAnErrorWithItsNumber) {
    TempFolder folder;
    // No header: the first line is a line with a mistyped quantity, which is an error and no header.
    const std::optional<QcFile> file = ReadQcFile(folder.Write(L"QcOxycalc.csv",
                                                               "КО-1;;% мас;;\n"
                                                               ";;% масс.\n"
                                                               "КО-1;МТБЭ, ЭТБЭ;% масс.\n"
                                                               "КО-1;;% об.\n"
                                                               "КО-1;МТБЭ;% масс.;пять\n"
                                                               "КО-1;МТБЭ;% масс.;5;-0.1\n"
                                                               "КО-1;МТБЭ;% масс.;;0.1\n"
                                                               "КО-1;МТБЭ;% масс.;5;0.1\n"
                                                               "ко-1;мтбэ;% масс.\n"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->lines.size(), 1u);
    EXPECT_EQ(Russian(file->errors), (std::vector<std::wstring>{
                                         L"строка 1: величина «% мас» — не «% масс.» и не «% об.»",
                                         L"строка 2: нет названия контрольной пробы",
                                         L"строка 3: на карте один компонент, а не «МТБЭ, ЭТБЭ»",
                                         L"строка 4: общее содержание кислорода задаётся в «% масс.»",
                                         L"строка 5: принятое значение «пять» — не число",
                                         L"строка 6: допуск «-0.1» — не положительное число",
                                         L"строка 7: допуск задаётся вместе с принятым значением",
                                         L"строка 9: та же карта, что в строке 8",
                                     }));
    const std::optional<QcFile> empty = ReadQcFile(folder.Write(L"empty.csv", "Проба;Показатель;Величина\n"));
    EXPECT_EQ(Russian(empty->errors), std::vector<std::wstring>{L"в файле нет ни одной строки контроля"});
}

TEST(QcFile, ReadsTheLimitsALabEstablishedAndRefusesALineWhoseLimitsAreHalfWritten) {
    TempFolder folder;
    const std::wstring path = folder.Write(
        L"QcOxycalc.csv",
        "Проба;Компонент;Величина;Принятое;Допуск;Средняя линия\n"
        "КО-1;;% масс.;;;2.107240;0.024274;20;2024-02-15T07:30:00Z;2024-03-05T07:45:00Z;"
        "2024-03-16T10:05:00Z;по первым 20 дням\n"
        "КО-1;МТБЭ;% масс.;5;0.15;5.0024;0.0581;20;2024-02-15T07:30:00Z;2024-03-05T07:45:00Z;"
        "2024-03-16T10:05:00Z;\n"
        "КО-1;ЭТБЭ;% масс.;;;1,0;ноль;20;2024-02-15T07:30:00Z;2024-03-05T07:45:00Z;2024-03-16T10:05:00Z;x\n"
        "КО-1;Этанол;% масс.;;;3;0.03;20;2024-02-30T07:30:00Z;2024-03-05T07:45:00Z;2024-03-16T10:05:00Z;x\n"
        "КО-1;ДИПЭ;% масс.;;;3;0.03;20;2024-03-15T07:30:00Z;2024-03-05T07:45:00Z;2024-03-16T10:05:00Z;x\n");
    const std::optional<QcFile> file = ReadQcFile(path);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->headerRow, 1u);
    ASSERT_EQ(file->lines.size(), 1u);
    EXPECT_EQ(file->lines[0].row, 2u);
    const EstablishedLimits& limits = *file->lines[0].established;
    EXPECT_DOUBLE_EQ(limits.centre, 2.10724);
    EXPECT_DOUBLE_EQ(limits.movingRangeMean, 0.024274);
    EXPECT_EQ(limits.count, 20u);
    EXPECT_EQ(limits.baselineFrom, 1707982200);
    EXPECT_EQ(limits.baselineTo, 1709624700);
    EXPECT_EQ(limits.reason, L"по первым 20 дням");
    EXPECT_EQ(EstablishedFields(limits)[0], L"2.107240");
    // Limits that cannot all be read keep the line out: no chart judged by half of them.
    EXPECT_EQ(
        Russian(file->errors),
        (std::vector<std::wstring>{
            L"строка 3: установленные пределы: не указана причина установки пределов",
            L"строка 4: установленные пределы: средний скользящий размах «ноль» — не положительное число",
            L"строка 5: установленные пределы: начало базового периода «2024-02-30T07:30:00Z» — не момент "
            L"ГГГГ-ММ-ДДTчч:мм:ссZ",
            L"строка 6: установленные пределы: конец базового периода раньше его начала"}));
    // Each read keeps the file's change log, as for the other reference tables.
    EXPECT_FALSE(file->tracking.version.sha256.empty());
    EXPECT_FALSE(ReadBytes(path + L".log").empty());
}
