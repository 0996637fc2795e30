// The window's logic, on in-memory controls, against the reference model
// under long random sequences of user actions. The model itself is first
// held to the window's worked examples, so that it cannot quietly share a
// mistake with the code it checks.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <memory>

#include "tests/core/fake_controls.h"
#include "tests/model/model_runner.h"
#include "tests/model/reference_model.h"

namespace chengxi::model {
namespace {

using Items = std::vector<std::u16string>;

// The logic on the fakes, as the user drives it.
class FakeSubject : public Subject {
public:
    void pick(int box, std::size_t index) override
    {
        testing::FakeComboBox& combo = comboBox(box);
        combo.type(combo.items.at(index));
    }
    void type(int box, std::u16string_view text) override { comboBox(box).type(text); }
    void tick() override
    {
        window_.tick();
        window_.log.clear();  // nobody reads it here; it would only grow
    }
    void click(bool) override
    {
        window_.click();
        window_.log.clear();
    }
    WindowView view() const override
    {
        WindowView view;
        const testing::FakeComboBox* boxes[] = {&window_.Combo1, &window_.Combo2, &window_.Combo3};
        for (std::size_t i = 0; i < kBoxCount; ++i) {
            view.texts[i] = boxes[i]->text();
            view.lists[i] = boxes[i]->items;
        }
        view.tdsCaption = window_.Label8.caption;
        view.chlorineCaption = window_.Label10.caption;
        view.lastProvinceText = window_.form.getLastProvinceText();
        view.lastCityText = window_.form.getLastCityText();
        return view;
    }

protected:
    testing::FakeComboBox& comboBox(int box)
    {
        return box == 0 ? window_.Combo1 : box == 1 ? window_.Combo2 : window_.Combo3;
    }

private:
    testing::FakeWindow window_;
};

SubjectFactory fakeWindows()
{
    return [] { return std::make_unique<FakeSubject>(); };
}

// ---------------------------------------------------------------------------
// The model on the window's worked examples

const Items kBeiJingDistricts = {u"昌平区", u"朝阳区", u"大兴区", u"东城区", u"房山区", u"丰台区",
                                  u"海淀区", u"怀柔区", u"门头沟区", u"密云县", u"平谷区", u"石景山区",
                                  u"顺义区", u"通州区", u"西城区", u"延庆区"};

TEST(ReferenceModel, LoadsWithTheLayoutTextsAndTheProvinceList)
{
    const ReferenceModel model;
    const WindowView& v = model.view();
    EXPECT_EQ(v.texts[0], u"北京");
    EXPECT_EQ(v.texts[1], u"北京");
    EXPECT_EQ(v.texts[2], u"昌平区");
    ASSERT_EQ(v.lists[0].size(), 31u);
    EXPECT_EQ(v.lists[0].front(), u"北京");
    EXPECT_EQ(v.lists[0][4], u"安徽");
    EXPECT_EQ(v.lists[0].back(), u"浙江");
    EXPECT_TRUE(v.lists[1].empty());
    EXPECT_TRUE(v.lists[2].empty());
    EXPECT_EQ(v.lastProvinceText, u"0");
    EXPECT_EQ(v.lastCityText, u"0");
    EXPECT_TRUE(v.tdsCaption.empty());
    EXPECT_TRUE(v.chlorineCaption.empty());
}

TEST(ReferenceModel, FirstTickFillsBothListsAndAQueryBeforeItAlreadyAnswers)
{
    ReferenceModel model;
    model.click();
    EXPECT_EQ(model.view().tdsCaption, u"263");
    EXPECT_EQ(model.view().chlorineCaption, u"0.29mg/L");

    model.tick();
    const WindowView& v = model.view();
    EXPECT_EQ(v.lists[1], Items{u"北京"});
    EXPECT_EQ(v.lists[2], kBeiJingDistricts);
    EXPECT_EQ(v.texts[2], u"昌平区");
    EXPECT_EQ(v.lastProvinceText, u"北京");
    EXPECT_EQ(v.lastCityText, u"北京");
}

TEST(ReferenceModel, ChoosingAProvinceCascadesToItsFirstCityAndAQueryFindsTheRow)
{
    ReferenceModel model;
    model.tick();
    model.setText(0, u"安徽");
    model.tick();
    const WindowView& v = model.view();
    ASSERT_EQ(v.lists[1].size(), 16u);
    EXPECT_EQ(v.lists[1][12], u"宿州");
    EXPECT_EQ(v.texts[1], u"安庆");
    EXPECT_EQ(v.texts[2], u"枞阳县");
    EXPECT_EQ(v.lists[2].size(), 11u);
    model.click();
    EXPECT_EQ(v.tdsCaption, u"146");
    EXPECT_EQ(v.chlorineCaption, u"0.06mg/L");
}

TEST(ReferenceModel, ATextNamingNothingIsRememberedAndChangesNoBox)
{
    ReferenceModel model;
    model.tick();
    const WindowView start = model.view();
    model.setText(0, u"安徽 ");
    model.setText(1, u"北京市");
    model.tick();
    const WindowView& v = model.view();
    EXPECT_EQ(v.lastProvinceText, u"安徽 ");
    EXPECT_EQ(v.lastCityText, u"北京市");
    EXPECT_EQ(v.texts[0], u"安徽 ");
    EXPECT_EQ(v.lists[1], start.lists[1]);
    EXPECT_EQ(v.lists[2], start.lists[2]);
    EXPECT_EQ(v.texts[2], u"昌平区");
}

TEST(ReferenceModel, ACityOfAnotherProvinceRefillsOnlyTheDistrictBox)
{
    ReferenceModel model;
    model.tick();
    model.setText(1, u"广州");
    model.tick();
    const WindowView& v = model.view();
    EXPECT_EQ(v.texts[0], u"北京");
    EXPECT_EQ(v.lists[1], Items{u"北京"});
    ASSERT_EQ(v.lists[2].size(), 12u);
    EXPECT_EQ(v.texts[2], u"白云区");
    const std::u16string before = v.tdsCaption;
    model.click();  // 北京, 广州, 白云区 is no row
    EXPECT_EQ(v.tdsCaption, before);
}

TEST(ReferenceModel, AProvinceWhoseFirstCityIsAlreadyRememberedKeepsTheDistrictList)
{
    ReferenceModel model;
    model.tick();
    model.setText(1, u"安庆");
    model.tick();
    model.setText(2, u"typed");
    model.setText(0, u"安徽");
    model.tick();
    const WindowView& v = model.view();
    EXPECT_EQ(v.texts[2], u"枞阳县");  // set by the province change alone
    EXPECT_EQ(v.lists[2].size(), 11u);
    EXPECT_EQ(v.lastCityText, u"安庆");
}

TEST(ReferenceModel, TheCityWithoutDistrictsShowsTheEmptyTextAndItsOwnRow)
{
    ReferenceModel model;
    model.tick();
    model.setText(0, u"安徽");
    model.tick();
    model.click();
    model.pick(1, 12);  // 宿州
    model.tick();
    const WindowView& v = model.view();
    EXPECT_TRUE(v.lists[2].empty());
    EXPECT_TRUE(v.texts[2].empty());
    model.click();
    EXPECT_EQ(v.tdsCaption, u"0");
    EXPECT_EQ(v.chlorineCaption, u"0.00mg/L");
}

TEST(ReferenceModel, AQueryBeforeTheTickSeesTheNewProvinceWithTheOldCity)
{
    ReferenceModel model;
    model.tick();
    model.click();
    model.setText(0, u"上海");
    model.click();
    EXPECT_EQ(model.view().tdsCaption, u"263");
    model.tick();
    model.click();
    EXPECT_EQ(model.view().tdsCaption, u"231");
    EXPECT_EQ(model.view().chlorineCaption, u"0.19mg/L");
}

TEST(ReferenceModel, CaptionsWriteWholeNumbersAndTwoDecimals)
{
    EXPECT_EQ(tdsText(0), u"0");
    EXPECT_EQ(tdsText(3921), u"3921");
    EXPECT_EQ(chlorineText(0.29), u"0.29mg/L");
    EXPECT_EQ(chlorineText(0.2), u"0.20mg/L");
    EXPECT_EQ(chlorineText(0.05), u"0.05mg/L");
    EXPECT_EQ(chlorineText(0), u"0.00mg/L");
    EXPECT_EQ(chlorineText(1), u"1.00mg/L");
    EXPECT_EQ(chlorineText(87), u"87.00mg/L");
}

// ---------------------------------------------------------------------------
// The harness: a disagreement must be found, reported and cut short

// The logic behind an edit field that drops trailing blanks.
class TrimmingSubject final : public FakeSubject {
public:
    void type(int box, std::u16string_view text) override
    {
        while (!text.empty() && text.back() == u' ') {
            text.remove_suffix(1);
        }
        FakeSubject::type(box, text);
    }
};

// The logic behind an edit field that cuts a text at a NUL.
class NulCuttingSubject final : public FakeSubject {
public:
    void type(int box, std::u16string_view text) override { FakeSubject::type(box, text.substr(0, text.find(u'\0'))); }
};

TEST(RandomisedComparison, FindsAPlantedFaultAndCutsItToAFewActions)
{
    const RunSettings settings{7, 100000, "SEED", "STEPS"};
    const RunResult result = runRandomised(
        settings, [] { return std::make_unique<TrimmingSubject>(); }, {}, std::chrono::seconds(20));
    ASSERT_TRUE(result.failure.has_value());
    EXPECT_LT(result.steps, settings.steps);
    const std::string& report = *result.failure;
    EXPECT_NE(report.find("seed 7"), std::string::npos) << report;
    EXPECT_NE(report.find("field:  Combo"), std::string::npos) << report;
    EXPECT_NE(report.find("SEED=7 STEPS=" + std::to_string(result.steps)), std::string::npos) << report;
    // One typed text ending in a blank is all it takes.
    EXPECT_NE(report.find("Shortened to 1 action(s)"), std::string::npos) << report;
}

TEST(RandomisedComparison, ShowsInvisibleCodeUnitsEscaped)
{
    const RunResult result = runRandomised(
        RunSettings{11, 200000, "SEED", "STEPS"}, [] { return std::make_unique<NulCuttingSubject>(); }, {},
        std::chrono::seconds(20));
    ASSERT_TRUE(result.failure.has_value());
    const std::string& report = *result.failure;
    EXPECT_NE(report.find("\\u0000"), std::string::npos) << report;
    const std::size_t shortened = report.find("Shortened to ");
    ASSERT_NE(shortened, std::string::npos) << report;
    EXPECT_EQ(std::stoul(report.substr(shortened + 13)), 1u) << report;
}

// ---------------------------------------------------------------------------
// The logic against the model

TEST(RandomisedComparison, LogicAgreesWithTheModel)
{
    std::string error;
    const auto settings =
        settingsFromEnvironment("CHENGXI_MODEL_SEED", "CHENGXI_MODEL_STEPS", 20261208, 1000000, error);
    ASSERT_TRUE(settings.has_value()) << error;

    const auto started = std::chrono::steady_clock::now();
    const RunResult result = runRandomised(*settings, fakeWindows(), {}, std::chrono::seconds(60));
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "seed " << settings->seed << ": " << summary(result) << "; " << seconds << " s\n";

    ASSERT_FALSE(result.failure.has_value()) << *result.failure;
    EXPECT_EQ(result.steps, settings->steps);
    if (settings->steps >= 100000) {
        // The run went through what matters, not only through noise.
        const Coverage& c = result.coverage;
        EXPECT_GT(c.provinceChanges, settings->steps / 100);
        EXPECT_GT(c.cityChanges, settings->steps / 50);
        EXPECT_GT(c.emptyDistrictLists, 0u);
        EXPECT_GT(c.unnamedTexts, settings->steps / 100);
        EXPECT_GT(c.rowsFound, settings->steps / 100);
        EXPECT_GT(c.staleQueries, settings->steps / 100);
    }
}

}  // namespace
}  // namespace chengxi::model
