#include "Class/Model/CarImagePathResolver.h"

#include <gtest/gtest.h>

namespace {

using tolvane::app::CarImagePathResolver;

TEST(CarImagePathResolverTest, StoredPathsMapInsideTheDataFolderOrAreRefused)
{
    struct Case {
        const char* stored;
        std::optional<std::string> file;
    };
    const Case cases[] = {
        {"Documents/SN1.png", "/data/SN1.png"},
        {"SN1.png", "/data/SN1.png"},
        {"Documents/cars/SN1.png", "/data/cars/SN1.png"},
        {"./Documents/SN1.png", "/data/SN1.png"},
        {"cars/Documents/SN1.png", "/data/cars/Documents/SN1.png"},
        {"/home/user/Documents/SN1.png", std::nullopt},
        {"Documents/../../etc/passwd", std::nullopt},
        {"Documents/cars/../SN1.png", std::nullopt},
        {"..", std::nullopt},
        {"", std::nullopt},
        {"Documents", std::nullopt},
        {"Documents/", std::nullopt},
    };
    const CarImagePathResolver resolver("/data");
    for (const Case& c : cases) {
        const auto file = resolver.fileFor(c.stored);
        EXPECT_EQ(file ? std::optional<std::string>(file->string()) : std::nullopt, c.file) << c.stored;
    }
}

TEST(CarImagePathResolverTest, FileNamesBecomeStoredPathsUnlessTheyHoldASeparator)
{
    struct Case {
        const char* fileName;
        std::optional<std::string> stored;
    };
    const Case cases[] = {
        {"SN1.png", "Documents/SN1.png"},
        {"SN/1.png", std::nullopt},
        {"SN\\1.png", std::nullopt},
        {"..", std::nullopt},
        {".", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CarImagePathResolver::storedPathFor(c.fileName), c.stored) << c.fileName;
}

TEST(CarImagePathResolverTest, TheStoredFormResolvesBackToTheSavedFile)
{
    const CarImagePathResolver resolver("/data");
    EXPECT_EQ(resolver.fileFor(*CarImagePathResolver::storedPathFor("ABC-12.png"))->string(), "/data/ABC-12.png");
}

} // namespace
