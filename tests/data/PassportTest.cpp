#include "data/Passport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A passport read from the XML text of a `passport` element.
Passport ReadPassport(const wchar_t* xml) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(xml));
    Passport passport;
    passport.Read(document.child(L"passport"));
    return passport;
}

}  // namespace

TEST(Passport, EmptyElementLeavesEveryDefault) {
    const Passport passport = ReadPassport(L"<passport/>");
    EXPECT_EQ(passport.assayid, L"00000000-0000-0000-0000-000000000000");
    EXPECT_EQ(passport.andate, 0);
    EXPECT_FALSE(passport.graduation);
    EXPECT_TRUE(passport.sample.empty());
    EXPECT_TRUE(passport.columns.empty());
    EXPECT_TRUE(passport.items.empty());
    EXPECT_EQ(passport.FindMassSample(), nullptr);
}

TEST(Passport, FirstLowerCaseMassSampleCountsEvenWithoutValue) {
    EXPECT_EQ(*ReadPassport(L"<passport><masssample title='Масса'/></passport>").FindMassSample(), L"");
    EXPECT_EQ(ReadPassport(L"<passport><MassSample value='3'/></passport>").FindMassSample(), nullptr);
    const Passport two =
        ReadPassport(L"<passport><masssample value='1.5'/><masssample value='2.5'/></passport>");
    EXPECT_EQ(*two.FindMassSample(), L"1.5");
    EXPECT_EQ(two.items.size(), 2u);
}

TEST(Passport, TextInsideTheElementBecomesANamelessItem) {
    const Passport passport = ReadPassport(L"<passport>проба<sample value='АИ-95'/></passport>");
    ASSERT_EQ(passport.items.size(), 1u);
    EXPECT_EQ(passport.items[0].name, L"");
    EXPECT_EQ(passport.items[0].value, L"");
    EXPECT_EQ(passport.sample, L"АИ-95");
}

TEST(Passport, ScalarsConvertTheirValueTexts) {
    EXPECT_TRUE(ReadPassport(L"<passport><graduation value='true'/></passport>").graduation);
    EXPECT_FALSE(ReadPassport(L"<passport><graduation value='0'/></passport>").graduation);
    EXPECT_FALSE(ReadPassport(L"<passport><graduation/></passport>").graduation);
    EXPECT_EQ(ReadPassport(L"<passport><andate value='42'/></passport>").andate, 42);
    EXPECT_EQ(ReadPassport(L"<passport><andate value='abc'/></passport>").andate, 0);
    EXPECT_EQ(ReadPassport(L"<passport><duration value='12.5'/><duration value='7,5'/></passport>").duration,
              7.0);
}

TEST(Passport, WritesWhatItReadsBackExceptThePath) {
    Passport written;
    written.path = L"C:\\data\\проба.stg";
    written.assayid = L"5e1d9c3a-7b42-4f0e-9a61-000000000101";
    written.series = L"серия <1> & \"2\"";
    written.andate = 1710407520;
    written.duration = 0.1;
    written.sample = L"АИ-95";
    written.method = L"ГОСТ";
    written.graduation = true;
    written.date = -5;
    written.defect = true;
    written.mixture = L"ГС-1";
    written.columns.push_back(
        {1, L"TCEP", L"Restek", 2, 0.53, 0.56, L"He", L"фаза", 20, 3, 0.25, 0.75, 0.5, L"p", L"s"});
    written.items.push_back({L"masssample", L"Масса пробы, г", L"10.0213"});
    written.items.push_back({L"", L"", L""});  // from a text node: nothing to write

    pugi::xml_document document;
    written.Write(document.append_child(L"passport"));
    std::wostringstream text;
    document.save(text);
    pugi::xml_document reparsed;
    ASSERT_TRUE(reparsed.load_string(text.str().c_str())) << text.str();
    Passport read;
    read.Read(reparsed.child(L"passport"));

    EXPECT_EQ(read.path, L"");
    EXPECT_EQ(read.assayid, written.assayid);
    EXPECT_EQ(read.series, written.series);
    EXPECT_EQ(read.andate, written.andate);
    EXPECT_EQ(read.duration, written.duration);
    EXPECT_EQ(read.sample, written.sample);
    EXPECT_EQ(read.method, written.method);
    EXPECT_EQ(read.graduation, written.graduation);
    EXPECT_EQ(read.date, written.date);
    EXPECT_EQ(read.defect, written.defect);
    EXPECT_EQ(read.mixture, written.mixture);
    ASSERT_EQ(read.columns.size(), 1u);
    const PassportColumn& column = read.columns[0];
    EXPECT_EQ(column.channel, 1);
    EXPECT_EQ(column.phase, L"фаза");
    EXPECT_EQ(column.unit, 3);
    EXPECT_EQ(column.fraction1, 0.75);
    EXPECT_EQ(column.serial, L"s");
    ASSERT_EQ(read.items.size(), 1u);
    EXPECT_EQ(read.items[0].title, L"Масса пробы, г");
    EXPECT_EQ(*read.FindMassSample(), L"10.0213");
}
