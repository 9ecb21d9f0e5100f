#include "ui/LoadProblemsBox.h"

#include <gtest/gtest.h>

#include "UiFixture.h"
#include "messages/Catalogue.h"

namespace {

using Kind = LoadProblem::Kind;

const LoadProblem kEachKind[] = {
    MakeLoadProblem(Kind::FileNotRead, 101, L"Z:\\share\\Проба 2417-1.stg"),
    MakeLoadProblem(Kind::NoSampleMass, 105, L"Z:\\share\\Проба 0988-1.stg"),
    MakeLoadProblem(Kind::SampleMassNotPositive, 102, L"Проба 2417-2.stg", std::wstring(41, L'x')),
    MakeLoadProblem(Kind::OutOfMemory, 103, L""),
};

}  // namespace

// One chromatogram's box reads as it always did: the Russian strings give the core's own texts.
TEST(LoadProblemsBox, OneProblemIsToldInTheCoresWordsAndInEnglishInTheEnglishHost) {
    for (const LoadProblem& problem : kEachKind)
        EXPECT_EQ(LoadProblemText(problem), Render(problem.ToMessage(), Language::Russian));
    const EnglishResources english;
    EXPECT_EQ(LoadProblemText(kEachKind[1]), L"The chromatogram\nПроба 0988-1.stg\ngives no sample mass");
    EXPECT_EQ(LoadProblemText(kEachKind[3]), L"Not enough memory to load chromatogram 103");
}

TEST(LoadProblemsBox, ManyProblemsAreListedTheFirstFifteenAndTheCountOfTheRest) {
    std::vector<LoadProblem> many;
    for (int32_t id = 1; id <= 17; ++id)
        many.push_back(MakeLoadProblem(Kind::FileNotRead, id, L"f" + std::to_wstring(id)));
    const std::wstring text = LoadProblemsText(many);
    EXPECT_EQ(text.rfind(L"Хроматограммы загружены не полностью (17):\nf1 — файл не читается\n", 0), 0u)
        << text;
    EXPECT_NE(text.find(L"\nf15 — файл не читается\n… и ещё 2\n\nИх нельзя"), std::wstring::npos) << text;
    EXPECT_EQ(text.find(L"f16"), std::wstring::npos);

    LoadProblemsBox box;
    for (const LoadProblem& problem : kEachKind) box.Report(problem);
    EXPECT_TRUE(box.FileNotRead(101));
    EXPECT_FALSE(box.FileNotRead(105));  // its file reads; the passport lacks the mass
    EXPECT_TRUE(box.FileNotRead(103));
}
