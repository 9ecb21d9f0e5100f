#include "xml/XMLWrapper.h"

#include <gtest/gtest.h>

#include "xml/XMLError.h"

TEST(XMLWrapper, AppendsUnderTheRootOrTheParentInTheOrderOfTheCalls) {
    XMLWrapper wrapper;
    ASSERT_TRUE(wrapper.CreateDocument());
    const XMLElement row = wrapper.AddElement(XMLElement(), L"fill_data");
    ASSERT_TRUE(row);
    wrapper.AddIntElement(row, L"name", 0);
    wrapper.AddIntElement(row, L"name", -5);
    wrapper.AddTextElement(row, L"name", L"");
    wrapper.AddTextElement(row, L"name", L"Всего");
    wrapper.AddTextElement(XMLElement(), L"oxygen", L"2.7183");
    EXPECT_EQ(wrapper.ToText(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<Document>\n"
              "  <fill_data>\n"
              "    <name>0</name>\n"
              "    <name>-5</name>\n"
              "    <name/>\n"
              "    <name>Всего</name>\n"
              "  </fill_data>\n"
              "  <oxygen>2.7183</oxygen>\n"
              "</Document>\n");
}

TEST(XMLWrapper, StoresSpecialCharactersAndBlanksAsText) {
    XMLWrapper wrapper;
    ASSERT_TRUE(wrapper.CreateDocument());
    wrapper.AddTextElement(XMLElement(), L"name", L" Проба <1> & \"2\" ");
    EXPECT_NE(wrapper.ToText().find("<name> Проба &lt;1&gt; &amp; \"2\" </name>"), std::string::npos);
}

TEST(XMLWrapper, RefusesToAddAnElementBeforeTheDocumentHasARoot) {
    XMLWrapper wrapper;
    try {
        wrapper.AddElement(XMLElement(), L"files");
        FAIL() << "no error raised";
    } catch (const XMLError& error) {
        EXPECT_EQ(error.Code(), XMLError::kPointer);
    }
    EXPECT_EQ(wrapper.ToText(), "");
}
