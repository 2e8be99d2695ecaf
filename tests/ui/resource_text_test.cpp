// The string table: names come back exactly as the databases store them, Cyrillic included.
#include "string_ids.h"
#include "base/error.h"
#include "ui/resource_text.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    UINT id;
    const wchar_t* text;
};

const NameCase kNames[] = {
    {IDS_FIELD_NAME, L"name"},
    {IDS_TABLE_TORTI, L"Торти Кексове и Рула"},
    {IDS_TABLE_PODPRAVKI, L"Podpravki"},
    {IDS_TABLE_MY_RECIPES, L"Моите рецепти"},
    {IDS_FIELD_INFO, L"Инфо"},
    {IDS_FIELD_MERKI_TEACUP, L"1 чаена чашка/гр"},
    {IDS_FIELD_ENERGY_KILOCALORIES, L"Килокалории (ккал)"},
};

TEST(ResourceText, ReturnsTheStoredNameWholeAndUnchanged)
{
    for (const auto& name : kNames)
        EXPECT_EQ(ui::ResourceText(name.id), name.text) << name.id;
}

TEST(ResourceText, AnUnknownNumberIsAnErrorNamingIt)
{
    try {
        ui::ResourceText(999);
        FAIL() << "no error";
    } catch (const base::Error& error) {
        EXPECT_NE(std::string(error.what()).find("999"), std::string::npos);
    }
}

}
