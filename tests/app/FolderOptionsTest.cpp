// The folder options and the include file apart from any window: which
// options follow the browser, what a release does, and when the panel hears.
#include "app/FolderOptions.h"

#include <gtest/gtest.h>

#include <QList>

namespace {

constexpr FolderOption kAll[] = {FolderOption::Zip, FolderOption::Unzip, FolderOption::Work,
                                 FolderOption::Include};

}  // namespace

TEST(FolderOptions, OnlyUnpinnedFoldersFollowTheBrowser) {
    const struct {
        QList<FolderOption> pinned;
        const char *browsed;
        // Zip, Unzip, Work, Include after the move
        QStringList values;
    } rows[] = {
        {{}, "/home/u", {"/home/u/", "/home/u/", "/home/u/", "/kept.txt"}},
        {{}, "/", {"/", "/", "/", "/kept.txt"}},
        {{}, "/home/u/", {"/home/u/", "/home/u/", "/home/u/", "/kept.txt"}},
        {{FolderOption::Zip}, "/x", {"/pin/", "/x/", "/x/", "/kept.txt"}},
        {{FolderOption::Unzip, FolderOption::Work}, "/x", {"/x/", "/pin/", "/pin/", "/kept.txt"}},
        {{FolderOption::Include}, "/x", {"/x/", "/x/", "/x/", "/kept.txt"}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.browsed);
        FolderOptions options;
        for (FolderOption which : kAll)
            options.set(which, which == FolderOption::Include ? "/kept.txt" : "/pin/");
        for (FolderOption which : r.pinned)
            options.setPinned(which, true);
        options.followBrowser(r.browsed);
        QStringList values;
        for (FolderOption which : kAll)
            values << options.value(which);
        EXPECT_EQ(values, r.values);
    }
}

TEST(FolderOptions, ReleaseUnpinsAndFollowsOrEmpties) {
    const struct {
        FolderOption which;
        const char *after;
    } rows[] = {{FolderOption::Zip, "/now/"},
                {FolderOption::Unzip, "/now/"},
                {FolderOption::Work, "/now/"},
                {FolderOption::Include, ""}};
    for (const auto &r : rows) {
        FolderOptions options;
        options.set(r.which, "/chosen/file");
        options.setPinned(r.which, true);
        options.release(r.which, "/now");
        EXPECT_FALSE(options.isPinned(r.which));
        EXPECT_EQ(options.value(r.which), r.after);
    }
}

TEST(FolderOptions, ThePanelHearsEveryValueButOnlyRealPinChanges) {
    FolderOptions options;
    QList<FolderOption> heard;
    QObject::connect(&options, &FolderOptions::changed,
                     [&heard](FolderOption which) { heard << which; });
    options.set(FolderOption::Work, "/w/");
    options.set(FolderOption::Work, "/w/");       // set again: the field is rewritten
    options.setPinned(FolderOption::Zip, false);  // no change
    options.setPinned(FolderOption::Zip, true);
    options.setPinned(FolderOption::Zip, true);  // no change
    options.followBrowser("/b");                 // Unzip and Work follow, Zip is pinned
    EXPECT_EQ(heard, QList<FolderOption>({FolderOption::Work, FolderOption::Work, FolderOption::Zip,
                                          FolderOption::Unzip, FolderOption::Work}));
    EXPECT_EQ(options.ZipFolder(), "");
    EXPECT_EQ(options.UnzipFolder(), "/b/");
    EXPECT_EQ(options.WorkFolder(), "/b/");
    EXPECT_EQ(options.IncludeFile(), "");
}
