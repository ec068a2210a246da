#include "application/ScreenFramework/ScreenFrameworkTest.h"

#include "Class/Model/UserDefaultsValues.h"
#include "Class/UI/Tutorial/View/FirstTutorialMovieViewController.h"
#include "Class/UI/Tutorial/View/TutorialMovieViewController.h"
#include "Class/UI/Tutorial/View/TutorialScenes.h"

#include "R.h"

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/StoryboardRegistry.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace screen_testing {
namespace {

using Links = std::array<std::shared_ptr<ui::Button>, 3>;

// The two pages with web links, made from their storyboards in a chosen language, with the
// addresses they hand on recorded.
class TutorialMoviePagesTest : public ScreenFrameworkTest {
protected:
    TutorialMoviePagesTest()
    {
        TutorialScenes::registerPagesAndCells();
        ui::Application::shared().setURLOpener([this](const std::string& address) {
            opened.push_back(address);
            return true;
        });
    }
    ~TutorialMoviePagesTest() override { ui::Application::shared().reset(); }

    template <class Page>
    std::shared_ptr<Page> loaded(const char* storyboard, const std::string& language)
    {
        UserDefaultsValues::setLocalizedString(language);
        auto page = std::dynamic_pointer_cast<Page>(ui::StoryboardRegistry::shared().instantiateInitialViewController(storyboard));
        page->view();
        return page;
    }

    std::vector<std::string> opened;
};

template <class Page>
Links linksOf(const Page& page)
{
    return {page.linkButton1, page.linkButton2, page.linkButton3};
}

TEST_F(TutorialMoviePagesTest, LinksShowUnderlinedJapaneseTitlesInJapaneseOnly)
{
    const std::vector<std::string> japaneseTitles{"取扱説明書（ウェブ版）", "よくあるご質問", "操作方法の動画"};
    for (const char* language : {"ja", "en", "zh_CN"}) {
        const bool japanese = std::string(language) == "ja";
        auto first = loaded<FirstTutorialMovieViewController>("FirstTutorialMovie", language);
        auto further = loaded<TutorialMovieViewController>("TutorialMovie", language);
        for (const Links& links : {linksOf(*first), linksOf(*further)}) {
            for (size_t i = 0; i < links.size(); ++i) {
                EXPECT_EQ(!links[i]->isHidden(), japanese) << language << " link " << i;
                if (!japanese)
                    continue;
                EXPECT_EQ(links[i]->titleLabel().text(), japaneseTitles[i]);
                EXPECT_TRUE(links[i]->titleLabel().font().isUnderlined());
            }
        }
        EXPECT_EQ(further->tutorialMovieText->text(), "Please see the owner's manual for more detailed information on Tolvane.");
        EXPECT_EQ(first->start->text(), "Getting started!");
        EXPECT_EQ(first->firstTutorialMovieDescription->text(), "You can find more details in the tutorial located in Menu > Tutorial");
    }
}

TEST_F(TutorialMoviePagesTest, EachLinkOpensItsOwnAddressAndAnEmptyAddressOpensNothing)
{
    auto further = loaded<TutorialMovieViewController>("TutorialMovie", "ja");
    further->linkButton2->tap();
    further->linkButton1->tap();
    auto first = loaded<FirstTutorialMovieViewController>("FirstTutorialMovie", "ja");
    first->linkButton3->tap();
    EXPECT_EQ(opened, (std::vector<std::string>{"https://www.example.com/tolvane/faq", "https://www.example.com/tolvane/manual",
                                                "https://www.example.com/tolvane/movie"}));

    opened.clear();
    auto english = loaded<TutorialMovieViewController>("TutorialMovie", "en");
    english->didTouchUpLink();
    EXPECT_TRUE(opened.empty()) << "the development table holds no address";
}

TEST_F(TutorialMoviePagesTest, TheDoNotShowBoxStartsTickedHiddenAndToggles)
{
    constexpr const char* key = "TolvaneControl_checkedNotShowFirstTutorial";
    auto page = loaded<FirstTutorialMovieViewController>("FirstTutorialMovie", "en");
    EXPECT_TRUE(page->isChecked);
    EXPECT_TRUE(foundation::UserDefaults::standard()->boolean(key)) << "stored on loading, untouched by the user";
    EXPECT_TRUE(page->checkBox->isHidden());
    EXPECT_TRUE(page->hiddenLabel->isHidden());
    EXPECT_EQ(page->hiddenLabel->text(), "Do not show the tutorial next time");
    EXPECT_TRUE(page->hiddenLabel->isUserInteractionEnabled());
    EXPECT_EQ(page->checkBox->image(ui::ControlState::normal)->pixels(), R::image::FirstChecked()->pixels());

    page->tapCheckBox();
    EXPECT_FALSE(page->isChecked);
    EXPECT_FALSE(foundation::UserDefaults::standard()->boolean(key));
    EXPECT_EQ(page->checkBox->image(ui::ControlState::normal)->pixels(), R::image::FirstUnchecked()->pixels());
    page->tapHiddenLabel();
    EXPECT_TRUE(page->isChecked);
    EXPECT_TRUE(foundation::UserDefaults::standard()->boolean(key));
}

} // namespace
} // namespace screen_testing
