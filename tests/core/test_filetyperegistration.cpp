// The .tvx registration with the desktop: on Linux what is written, where, and that an unchanged
// registration is not written again; on Windows the keys under HKEY_CLASSES_ROOT.
#ifndef _WIN32

#include "core/FileTypeRegistration.h"
#include "tests/support/TempDir.h"

#include "TamveloxVersion.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class FileTypeRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_Root = m_Temp.path();
        const char* old = std::getenv("XDG_DATA_HOME");
        m_OldDataHome = old ? old : "";
        m_HadDataHome = old != nullptr;
        setenv("XDG_DATA_HOME", (m_Root / "data").c_str(), 1);
        // The host's own installation never counts.
        const char* dirs = std::getenv("XDG_DATA_DIRS");
        m_OldDataDirs = dirs ? dirs : "";
        m_HadDataDirs = dirs != nullptr;
        setenv("XDG_DATA_DIRS", (m_Root / "system").c_str(), 1);
        m_Info.ExecutablePath = "/opt/my apps/tamvelox";
    }
    void TearDown() override {
        if (m_HadDataHome)
            setenv("XDG_DATA_HOME", m_OldDataHome.c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        if (m_HadDataDirs)
            setenv("XDG_DATA_DIRS", m_OldDataDirs.c_str(), 1);
        else
            unsetenv("XDG_DATA_DIRS");
    }

    tvtest::TempDir m_Temp;
    fs::path m_Root;
    std::string m_OldDataHome, m_OldDataDirs;
    bool m_HadDataHome = false, m_HadDataDirs = false;
    tv::TFileTypeInfo m_Info;
};

TEST_F(FileTypeRegistrationTest, WritesMimeTypeAndDesktopEntryUnderTheDataHome) {
    std::string error;
    ASSERT_TRUE(tv::RegisterFileType(m_Info, &error)) << error;

    const fs::path xml = m_Root / "data/mime/packages/tamvelox.xml";
    const fs::path entry = m_Root / "data/applications/org.tamvelox.tamvelox.desktop";
    ASSERT_TRUE(fs::exists(xml));
    ASSERT_TRUE(fs::exists(entry));

    const std::string xmlText = ReadAll(xml);
    EXPECT_NE(xmlText.find("type=\"application/x-tamvelox-project\""), std::string::npos);
    EXPECT_NE(xmlText.find("<glob pattern=\"*.tvx\" weight=\"60\"/>"), std::string::npos);
    EXPECT_NE(xmlText.find("<comment>Tamrin Installer Velox script</comment>"), std::string::npos);

    const std::string entryText = ReadAll(entry);
    EXPECT_EQ(entryText.rfind("[Desktop Entry]\n", 0), 0u);
    EXPECT_NE(entryText.find("\nName=Tamrin Installer Velox\n"), std::string::npos);
    // The program's path is quoted (it holds a blank) and followed by the file argument.
    EXPECT_NE(entryText.find("\nExec=\"/opt/my apps/tamvelox\" %f\n"), std::string::npos);
    EXPECT_NE(entryText.find("\nMimeType=application/x-tamvelox-project;\n"), std::string::npos);
    EXPECT_NE(entryText.find("\nTryExec=/opt/my apps/tamvelox\n"), std::string::npos);
    EXPECT_NE(entryText.find("\nIcon=tamvelox\n"), std::string::npos);
}

// The desktop's own checkers accept what is written, also for a program path that needs quoting
// and an icon given by its full path (a program run from its build tree).
TEST_F(FileTypeRegistrationTest, WrittenFilesPassTheDesktopValidators) {
    m_Info.ExecutablePath = "/srv/100%/a$b/tamvelox";
    m_Info.Icon = "/srv/src/resources/icons/tamvelox.svg";
    ASSERT_TRUE(tv::RegisterFileType(m_Info, nullptr));
    const std::string entry = (m_Root / "data/applications/org.tamvelox.tamvelox.desktop").string();
    const std::string xml = (m_Root / "data/mime/packages/tamvelox.xml").string();
    const std::string log = (m_Root / "validator.log").string();
    const std::string schema = std::string(TAMVELOX_SOURCE_DIR) + "/tests/packaging/shared-mime-info.xsd";
    bool ranOne = false;
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") == 0) {
        ranOne = true;
        // It reports problems on stdout and returns 0 for mere hints, so any output fails.
        EXPECT_EQ(std::system(("desktop-file-validate '" + entry + "' >'" + log + "' 2>&1").c_str()), 0);
        EXPECT_EQ(ReadAll(log), "");
    }
    if (std::system("command -v xmllint >/dev/null 2>&1") == 0) {
        ranOne = true;
        EXPECT_EQ(std::system(
                      ("xmllint --noout --nonet --schema '" + schema + "' '" + xml + "' >'" + log + "' 2>&1")
                          .c_str()),
                  0)
            << ReadAll(log);
    }
    if (!ranOne)
        GTEST_SKIP() << "neither desktop-file-validate nor xmllint is installed (scripts/install-deps)";
}

// Once a package provides the entry, the user's copy from a build-tree run goes (under its old name
// too), a file the user wrote stays, and nothing is written; --unregister removes our copies alone.
TEST_F(FileTypeRegistrationTest, AnInstalledEntryReplacesTheUsersCopyAndUnregisterRemovesOnlyOurs) {
    std::string error;
    ASSERT_TRUE(tv::RegisterFileType(m_Info, &error)) << error;
    const fs::path data = m_Root / "data";
    const fs::path entry = data / "applications/org.tamvelox.tamvelox.desktop";
    const fs::path legacy = data / "applications/tamvelox.desktop";
    const fs::path xml = data / "mime/packages/tamvelox.xml";
    fs::copy_file(entry, legacy);
    const fs::path own = data / "applications/my-tamvelox.desktop";
    std::ofstream(own) << "[Desktop Entry]\nType=Application\nName=Mine\nExec=tamvelox\n";

    fs::create_directories(m_Root / "system/applications");
    std::ofstream(m_Root / "system/applications/org.tamvelox.tamvelox.desktop") << "[Desktop Entry]\n";
    ASSERT_TRUE(tv::RegisterFileType(m_Info, &error)) << error;
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(fs::exists(legacy));
    EXPECT_FALSE(fs::exists(xml));
    EXPECT_TRUE(fs::exists(own));

    // A user's hand-made entry under our ID is not ours to remove.
    fs::remove(m_Root / "system/applications/org.tamvelox.tamvelox.desktop");
    ASSERT_TRUE(tv::RegisterFileType(m_Info, &error)) << error;
    ASSERT_TRUE(fs::exists(entry));
    std::ofstream(legacy) << "[Desktop Entry]\nName=Edited by hand\nMimeType=application/x-tamvelox-project;\n";
    ASSERT_TRUE(tv::UnregisterFileType(&error)) << error;
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(fs::exists(xml));
    EXPECT_TRUE(fs::exists(legacy));
    EXPECT_TRUE(fs::exists(own));
}

TEST(DesktopIcon, ThemeNameWhenInstalledElseTheSourceTreesImage) {
    const fs::path prefix = fs::temp_directory_path() / ("tv_icon_" + std::to_string(std::random_device{}()));
    fs::create_directories(prefix / "bin");
    // Not installed: the icon of the source tree this program was built from, by its full path,
    // where the program looks there at all; else the theme's name.
    const std::string fromSource = tv::DesktopIcon((prefix / "bin").string());
#if TAMVELOX_SOURCE_TREE_DATA
    EXPECT_EQ(fromSource, std::string(TAMVELOX_SOURCE_DIR) + "/resources/icons/tamvelox.svg");
    EXPECT_TRUE(fs::exists(fromSource));
#else
    EXPECT_EQ(fromSource, "tamvelox");
#endif
    fs::create_directories(prefix / "share/icons/hicolor/scalable/apps");
    std::ofstream(prefix / "share/icons/hicolor/scalable/apps/tamvelox.svg") << "<svg/>";
    EXPECT_EQ(tv::DesktopIcon((prefix / "bin").string()), "tamvelox");
    std::error_code ec;
    fs::remove_all(prefix, ec);
}

TEST_F(FileTypeRegistrationTest, ExecLineEscapesReservedCharacters) {
    m_Info.ExecutablePath = "/srv/100%/a$b\"c\\d/tamvelox";
    const std::string text = tv::DesktopEntryText(m_Info);
    // Inside the quotes $, " and \ take a backslash, which the entry's string escaping doubles;
    // a literal percent sign is doubled.
    EXPECT_NE(text.find("Exec=\"/srv/100%%/a\\\\$b\\\\\"c\\\\\\\\d/tamvelox\" %f\n"), std::string::npos)
        << text;
}

TEST_F(FileTypeRegistrationTest, UnchangedRegistrationIsNotRewrittenButAChangedOneIs) {
    ASSERT_TRUE(tv::RegisterFileType(m_Info, nullptr));
    const fs::path entry = m_Root / "data/applications/org.tamvelox.tamvelox.desktop";
    const auto old = fs::last_write_time(entry) - std::chrono::hours(1);
    fs::last_write_time(entry, old);

    ASSERT_TRUE(tv::RegisterFileType(m_Info, nullptr));
    EXPECT_EQ(fs::last_write_time(entry), old);

    m_Info.ExecutablePath = "/usr/bin/tamvelox";
    ASSERT_TRUE(tv::RegisterFileType(m_Info, nullptr));
    EXPECT_NE(fs::last_write_time(entry), old);
    EXPECT_NE(ReadAll(entry).find("Exec=\"/usr/bin/tamvelox\" %f"), std::string::npos);
    EXPECT_FALSE(fs::exists(entry.string() + ".new"));
}

TEST_F(FileTypeRegistrationTest, FailsWhenTheDataHomeCannotBeWritten) {
    // A regular file where the data home's mime folder should be.
    fs::create_directories(m_Root / "data");
    std::ofstream(m_Root / "data/mime") << "not a folder";
    std::string error;
    EXPECT_FALSE(tv::RegisterFileType(m_Info, &error));
    EXPECT_FALSE(error.empty());
}

} // namespace

#else

#include "core/FileTypeRegistration.h"

#include <gtest/gtest.h>

#include <string>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

// The default value of HKEY_CLASSES_ROOT\<key>, or "<none>".
std::wstring DefaultValue(const std::wstring& key) {
    wchar_t value[1024];
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS)
        return L"<none>";
    return value;
}

} // namespace

TEST(FileTypeRegistration, WritesTheKeysUnderTheClassesRoot) {
    // An extension and type of the test's own, so that a real registration is never touched.
    tv::TFileTypeInfo info;
    info.Extension = ".tvxtest";
    info.TypeDescription = "Tamvelox test script";
    info.FileDescription = "Tamvelox test";
    info.IconIndex = 2;
    info.ExecutablePath = "C:\\Programs\\Caf\xC3\xA9\\tamvelox.exe"; // UTF-8, as the program keeps it
    std::string error;
    ASSERT_TRUE(tv::RegisterFileType(info, &error)) << error;
    // Every start registers again, over the keys already there.
    ASSERT_TRUE(tv::RegisterFileType(info, &error)) << error;

    const std::wstring exe = L"C:\\Programs\\Caf\u00E9\\tamvelox.exe";
    EXPECT_EQ(DefaultValue(L".tvxtest"), L"Tamvelox test script");
    EXPECT_EQ(DefaultValue(L"Tamvelox test script"), L"Tamvelox test");
    EXPECT_EQ(DefaultValue(L"Tamvelox test script\\DefaultIcon"), exe + L",2");
    EXPECT_EQ(DefaultValue(L"Tamvelox test script\\Shell\\Open\\Command"), L"\"" + exe + L"\" \"%1\"");

    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".tvxtest");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Tamvelox test script");
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L".tvxtest");
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"Tamvelox test script");
    EXPECT_EQ(DefaultValue(L".tvxtest"), L"<none>");
}

#endif
