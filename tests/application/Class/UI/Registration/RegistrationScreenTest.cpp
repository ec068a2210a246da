#include "RegistrationFlowTest.h"

#include "Class/Model/CarImagePathResolver.h"
#include "Class/Model/EventStack.h"
#include "Class/TolvaneIntegrationAppHelper.h"
#include "Class/UI/ConnectingForRegistration/View/ConnectingForRegistrationViewController.h"
#include "Class/UI/ConnectionCompletionForRegistration/View/ConnectionCompletionForRegistrationViewController.h"
#include "Class/UI/Registration/View/RegistrationViewController.h"
#include "Class/UI/Registration/ViewModel/RegistrationViewModel.h"
#include "Class/UI/RegistrationDevices/View/RegistrationDevicesViewController.h"

#include "ui/Button.h"
#include "ui/ImageFilePicker.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/TextField.h"

#include "accessory/Accessory.h"

#include "foundation/UserDefaults.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QFile>
#include <QTemporaryDir>

#include <filesystem>

namespace screen_testing {
namespace {

using enum RequiredDisplayId;

// The registration road from the devices list up to the registration screen, over the fixture's
// unit, which the vehicle confirms.
class RegistrationScreenTest : public RegistrationFlowTest {
protected:
    void reachCompletedScreen()
    {
        openDevices();
        shown<RegistrationDevicesViewController>()->viewModel->selectTerminal(0);
        acceptLink();
        publish(VALID_VEHICLE, CauseId::DEF);
        settle();
        ASSERT_TRUE(shown<ConnectionCompletionForRegistrationViewController>());
    }

    void reachRegistrationScreen()
    {
        reachCompletedScreen();
        shown<ConnectionCompletionForRegistrationViewController>()->addButton->tap();
        settle();
        ASSERT_TRUE(shown<RegistrationViewController>());
    }

    // The edit road: the settings' list sets the car and the mode, then shows the screen.
    void editCar(const CarRecord& car)
    {
        CarRecordStore::shared().selectedCarRecord = car;
        CarRecordStore::shared().isEdit = true;
        transitionManager->showRegistration();
        settle();
        ASSERT_TRUE(shown<RegistrationViewController>());
    }

    void typeName(const std::string& text)
    {
        auto& field = *shown<RegistrationViewController>()->deviceNameText;
        field.setText("");
        field.insertText(text);
    }

    std::filesystem::path documentsPath() const { return documents.path(); }

    // Every picture in `root` and its subfolders.
    static std::vector<std::string> pngFilesUnder(const std::filesystem::path& root)
    {
        std::vector<std::string> found;
        QDirIterator it(QString::fromStdString(root.string()), {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found.push_back(it.next().toStdString());
        return found;
    }
};

TEST_F(RegistrationScreenTest, TheCompletedScreenNamesTheUnitClearsTheFailedAttemptsAndLeavesByClosingTheFlow)
{
    EventStack::shared().push(kHistoryId, EventCode::E018, "");
    reachCompletedScreen();
    const auto completed = shown<ConnectionCompletionForRegistrationViewController>();
    EXPECT_EQ(completed->deviceName->text(), "VIN0001");
    EXPECT_EQ(completed->addButton->currentTitle(), "OK");
    EXPECT_TRUE(EventStack::shared().stack().empty()) << "E018 is removed; the absent E019 changes nothing";

    publish(START_PARK_IN, CauseId::DEF);
    store->streamErrorOccurred();
    settle();
    EXPECT_EQ(shown<ConnectionCompletionForRegistrationViewController>(), completed) << "the vehicle and the link do not move it";

    completed->tapNavigationButtonLeave();
    settle();
    EXPECT_EQ(&registrationStack(), stack.get()) << "the whole flow is closed";
    EXPECT_FALSE(store->targetTerminalUdid());
}

TEST_F(RegistrationScreenTest, RegisteringWithTheDefaultPictureStoresA640By480PngAndTheCarThenGoesToTheDisclaimer)
{
    reachRegistrationScreen();
    const auto screen = shown<RegistrationViewController>();
    EXPECT_EQ(screen->deviceNameText->text(), "VIN0001");
    EXPECT_EQ(screen->registerBtn->currentTitle(), "完成绑定");
    EXPECT_EQ(screen->titleLabel->text(), "编辑车辆图片和名称");
    ASSERT_TRUE(screen->deviceImageView->image()) << "the default picture";

    typeName("Holiday van");
    screen->registerBtn->tap();
    settle();

    const auto cars = CarRecordStore::shared().loadCarRecords();
    ASSERT_TRUE(cars);
    ASSERT_EQ(cars->size(), 1u);
    const CarRecord& car = cars->front();
    EXPECT_EQ(car.CarID, "VIN0001");
    EXPECT_EQ(car.CarName, "Holiday van");
    EXPECT_EQ(car.CarImagePath, "Documents/VIN0001.png") << "relative, never an absolute path";
    EXPECT_EQ(car.CreateDate, car.UpdateDate);
    EXPECT_TRUE(QRegularExpression("^\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}:\\d{2}$").match(QString::fromStdString(car.CreateDate)).hasMatch())
        << car.CreateDate;
    const QImage stored(QString::fromStdString((documentsPath() / "VIN0001.png").string()));
    EXPECT_EQ(stored.size(), QSize(640, 480));
    EXPECT_EQ(CarRecordStore::shared().selectedCarRecord, car);

    EXPECT_EQ(&registrationStack(), stack.get()) << "the registration flow is closed";
    EXPECT_EQ(transitionManager->currentDisplay(), DisplayType::disclaimer) << "the disclaimer is pushed on the main stack";
    EXPECT_EQ(stack->viewControllers().size(), 2u);
    EXPECT_TRUE(logs.contains("Start transition from Registration view."));
}

TEST_F(RegistrationScreenTest, EditingKeepsTheIdentityAndCreationDateRewritesThePictureAndReturns)
{
    registerCar("VIN0007", "Old name");
    const CarRecord before = CarRecordStore::shared().loadCarRecords()->front();
    time.advance(60.0);
    editCar(before);
    const auto screen = shown<RegistrationViewController>();
    EXPECT_EQ(screen->deviceNameText->text(), "Old name");
    EXPECT_EQ(screen->registerBtn->currentTitle(), "保存");
    EXPECT_FALSE(CarRecordStore::shared().isEdit) << "the request is used up";

    typeName("New name");
    screen->registerBtn->tap();
    settle();
    const auto after = CarRecordStore::shared().loadCarRecords()->front();
    EXPECT_EQ(after.CarID, "VIN0007");
    EXPECT_EQ(after.CreateDate, "2026/01/02 03:04:05");
    EXPECT_NE(after.UpdateDate, before.UpdateDate);
    EXPECT_EQ(after.CarName, "New name");
    EXPECT_EQ(after.CarImagePath, "Documents/VIN0007.png");
    EXPECT_TRUE(std::filesystem::exists(documentsPath() / "VIN0007.png"));
    EXPECT_FALSE(shown<RegistrationViewController>()) << "back to the screen that opened it";

    editCar(after);
    EXPECT_TRUE(shown<RegistrationViewController>()->deviceImageView->image()) << "the stored picture is shown";
}

TEST_F(RegistrationScreenTest, APickedPictureIsShownAndStoredAt640By480AndWithoutAChooserOnlyTheTapIsCounted)
{
    std::vector<std::string> statistics;
    TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = [&](const std::map<std::string, std::string>& event) {
        statistics.push_back(event.at("key"));
    };
    reachRegistrationScreen();
    const auto screen = shown<RegistrationViewController>();
    const auto defaultPicture = screen->deviceImageView->image()->pixels();

    screen->changeImageButton->tap();
    EXPECT_EQ(screen->deviceImageView->image()->pixels(), defaultPicture) << "no chooser: picking is unavailable";

    QImage photo(200, 100, QImage::Format_RGB32);
    photo.fill(QColor(255, 0, 0));
    const std::string photoPath = (documentsPath() / "photo.jpg").string();
    ASSERT_TRUE(photo.save(QString::fromStdString(photoPath), "PNG"));
    ui::ImageFilePicker::shared().setChooser([photoPath] { return std::optional<std::string>(photoPath); });
    screen->changeImageButton->tap();
    ui::ImageFilePicker::shared().setChooser({});
    EXPECT_EQ(screen->deviceImageView->image()->pixels().size(), QSize(640, 480));

    screen->registerBtn->tap();
    settle();
    const QImage stored(QString::fromStdString((documentsPath() / "VIN0001.png").string()));
    ASSERT_EQ(stored.size(), QSize(640, 480));
    EXPECT_EQ(stored.pixelColor(320, 240), QColor(255, 0, 0)) << "the photo, drawn as large as fits";
    EXPECT_EQ(stored.pixelColor(320, 10).alpha(), 0) << "a wider photo leaves the top clear instead of being stretched";
    EXPECT_EQ(statistics, (std::vector<std::string>{"tirmalunesko/bangdingcheliang/xiayibu", "tirmalunesko/bangdingcheliang/shangchuantupian",
                                                    "tirmalunesko/bangdingcheliang/shangchuantupian"}));
    TolvaneIntegrationAppHelper::shared().statisticsActionBlockAction = {};
}

TEST_F(RegistrationScreenTest, ACarWhosePictureIsGoneShowsTheDefaultPictureAndCanStillBeSaved)
{
    CarRecordStore::shared().addCarRecord({.CarID = "VIN0008", .CarImagePath = "Documents/VIN0008.png", .CarName = "Lost picture",
                                           .CreateDate = "2026/01/02 03:04:05", .UpdateDate = "2026/01/02 03:04:05"});
    editCar(CarRecordStore::shared().loadCarRecords()->front());
    const auto screen = shown<RegistrationViewController>();
    EXPECT_TRUE(screen->deviceImageView->image());
    screen->registerBtn->tap();
    settle();
    EXPECT_FALSE(shown<RegistrationViewController>());
    EXPECT_EQ(QImage(QString::fromStdString((documentsPath() / "VIN0008.png").string())).size(), QSize(640, 480));
}

TEST_F(RegistrationScreenTest, TheNameIsCutToTwentyFiveCharactersOnlyOnceCommittedAndABlankOrEmptiedNameCannotBeStored)
{
    reachRegistrationScreen();
    const auto screen = shown<RegistrationViewController>();
    auto& field = *screen->deviceNameText;

    typeName("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    EXPECT_EQ(field.text(), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    // Accented letters and flags count as one character each.
    typeName("ééééééééééééééééééééééééé🇯🇵🇯🇵");
    EXPECT_EQ(field.text(), "ééééééééééééééééééééééééé");

    field.setText("");
    field.setMarkedText("ああああああああああああああああああああああああああああああ");
    EXPECT_EQ(field.text(), "ああああああああああああああああああああああああああああああ") << "no cut while composing";
    field.unmarkText();
    EXPECT_EQ(field.text(), "ああああああああああああああああああああああああ" "あ");

    struct Case {
        const char* name;
        bool enabled;
    };
    for (const Case& c : {Case{"   ", false}, Case{" \t ", false}, Case{" a ", true}}) {
        typeName(c.name);
        EXPECT_EQ(screen->registerBtn->isEnabled(), c.enabled) << '"' << c.name << '"';
        EXPECT_EQ(screen->registerBtn->alpha(), c.enabled ? 1.0 : 0.5) << '"' << c.name << '"';
    }

    // The proposed name deleted to the last character.
    field.setText("VIN0001");
    while (!field.text().empty())
        field.deleteBackward();
    EXPECT_FALSE(screen->registerBtn->isEnabled());
    EXPECT_EQ(screen->registerBtn->alpha(), 0.5);
    screen->registerBtn->tap();
    screen->onTapRegisterButton();
    settle();
    EXPECT_EQ(shown<RegistrationViewController>(), screen);
    EXPECT_FALSE(CarRecordStore::shared().selectedCarRecord);
    EXPECT_EQ(CarRecordStore::shared().loadCarRecords().value_or(std::vector<CarRecord>{}), std::vector<CarRecord>{});
}

TEST_F(RegistrationScreenTest, ARenameTypesOverTheSelectedProposedNameAndTheCutStillHolds)
{
    reachRegistrationScreen();
    const auto screen = shown<RegistrationViewController>();
    auto& field = *screen->deviceNameText;
    ASSERT_EQ(field.text(), "VIN0001");
    field.becomeFirstResponder();
    field.selectAll();
    for (const char* letter : {"F", "a", "m", "i", "l", "y"})
        field.insertText(letter);
    EXPECT_EQ(field.text(), "Family") << "typing replaces the proposed name instead of following it";
    EXPECT_TRUE(screen->registerBtn->isEnabled());

    field.selectAll();
    field.insertText("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    EXPECT_EQ(field.text(), "ABCDEFGHIJKLMNOPQRSTUVWXY");
    field.selectAll();
    field.deleteBackward();
    EXPECT_EQ(field.text(), "");
    EXPECT_FALSE(screen->registerBtn->isEnabled()) << "a selected name deleted at once is as empty as one deleted letter by letter";
}

TEST_F(RegistrationScreenTest, ACarListThatCannotBeWrittenLeavesTheScreenWhereItIsWithNoCarSelected)
{
    reachRegistrationScreen();
    // The settings file would sit inside a file from now on, so the car list cannot be written.
    QTemporaryDir folder;
    QFile blocking(folder.filePath("a-file"));
    ASSERT_TRUE(blocking.open(QIODevice::WriteOnly));
    foundation::UserDefaults::setStandard(
        std::make_shared<foundation::UserDefaults>(folder.filePath("a-file/settings.ini").toStdString()));
    CarRecordStore::destroyShared();
    CarRecordStore::shared().selectedCarRecord.reset();
    shown<RegistrationViewController>()->registerBtn->tap();
    settle();
    EXPECT_TRUE(shown<RegistrationViewController>());
    EXPECT_FALSE(CarRecordStore::shared().selectedCarRecord);
    foundation::UserDefaults::setStandard(defaults.shared());
}

TEST_F(RegistrationScreenTest, ProposedNamesAvoidTheRegisteredOnes)
{
    struct Case {
        std::vector<std::string> registered;
        std::string proposed;
    };
    const Case cases[] = {
        {{}, "Car"},
        {{"Car"}, "Car(1)"},
        {{"Car", "Car(1)"}, "Car(2)"},
        {{"Car", "Car(2)"}, "Car(1)"},
        {{"Car", "Car(1)", "Car(2)", "Car(3)", "Car(4)"}, "Car"},
        {{"car"}, "Car"},
    };
    for (const Case& c : cases) {
        CarRecordStore::destroyShared();
        defaults->removeObject("TolvaneControl_CarRecords");
        for (size_t i = 0; i < c.registered.size(); ++i)
            registerCar("ID" + std::to_string(i), c.registered[i]);
        EXPECT_EQ(make<RegistrationViewModel>()->makeUniqueName("Car"), c.proposed) << c.registered.size();
    }
}

TEST_F(RegistrationScreenTest, PicturesOfUnitsWithHostileSerialNumbersStayInsideTheDocumentsFolder)
{
    const std::string longSerial(300, 'S');
    for (const std::string& serial : {std::string("../x"), std::string("a/b"), std::string(".."), longSerial}) {
        store->setTerminal(Terminal::make(manager, std::make_shared<accessory::Accessory>("Unit", serial, std::vector<std::string>{"p"}, 1), "p"));
        auto viewModel = make<RegistrationViewModel>();
        const auto path = viewModel->saveImage({0x89, 'P', 'N', 'G'});
        ASSERT_TRUE(path) << serial;
        EXPECT_TRUE(path->starts_with("Documents/")) << *path;
        EXPECT_EQ(path->find("..", 0), std::string::npos) << *path;
        EXPECT_EQ(std::ranges::count(*path, '/'), 1) << *path;
        EXPECT_LE(path->size(), std::string("Documents/").size() + 64 + 4) << *path;
    }
    EXPECT_EQ(pngFilesUnder(documentsPath()).size(), 4u) << "four distinct files";
    EXPECT_FALSE(std::filesystem::exists(documentsPath().parent_path() / "x.png")) << "nothing beside the documents folder";
}

} // namespace
} // namespace screen_testing
