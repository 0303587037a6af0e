// The folder options and the include file apart from any window: which
// options follow the browser, what a release does, and when the panel hears.
#include "app/OptionsModel.h"

#include <gtest/gtest.h>

#include <QList>

namespace {

constexpr Option kAll[] = {Option::zipFolder, Option::unzipFolder, Option::workFolder,
                           Option::includeFile};

}  // namespace

TEST(FolderOptions, OnlyUnpinnedFoldersFollowTheBrowser) {
    const struct {
        QList<Option> pinned;
        const char *browsed;
        // Zip, Unzip, Work, Include after the move
        QStringList values;
    } rows[] = {
        {{}, "/home/u", {"/home/u/", "/home/u/", "/home/u/", "/kept.txt"}},
        {{}, "/", {"/", "/", "/", "/kept.txt"}},
        {{}, "/home/u/", {"/home/u/", "/home/u/", "/home/u/", "/kept.txt"}},
        {{Option::zipFolder}, "/x", {"/pin/", "/x/", "/x/", "/kept.txt"}},
        {{Option::unzipFolder, Option::workFolder}, "/x", {"/x/", "/pin/", "/pin/", "/kept.txt"}},
        {{Option::includeFile}, "/x", {"/x/", "/x/", "/x/", "/kept.txt"}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.browsed);
        OptionsModel options;
        for (Option which : kAll)
            options.setText(which, which == Option::includeFile ? "/kept.txt" : "/pin/");
        for (Option which : r.pinned)
            options.setPinned(which, true);
        options.followBrowser(r.browsed);
        QStringList values;
        for (Option which : kAll)
            values << options.text(which);
        EXPECT_EQ(values, r.values);
    }
}

TEST(FolderOptions, ReleaseUnpinsAndFollowsOrEmpties) {
    const struct {
        Option which;
        const char *after;
    } rows[] = {{Option::zipFolder, "/now/"},
                {Option::unzipFolder, "/now/"},
                {Option::workFolder, "/now/"},
                {Option::includeFile, ""}};
    for (const auto &r : rows) {
        OptionsModel options;
        options.setText(r.which, "/chosen/file");
        options.setPinned(r.which, true);
        options.release(r.which, "/now");
        EXPECT_FALSE(options.isPinned(r.which));
        EXPECT_EQ(options.text(r.which), r.after);
    }
}

TEST(FolderOptions, ThePanelHearsEveryValueButOnlyRealPinChanges) {
    OptionsModel options;
    QList<Option> heard;
    QObject::connect(&options, &OptionsModel::changed, [&heard](Option which) { heard << which; });
    options.setText(Option::workFolder, "/w/");
    options.setText(Option::workFolder, "/w/");   // set again: the field is rewritten
    options.setPinned(Option::zipFolder, false);  // no change
    options.setPinned(Option::zipFolder, true);
    options.setPinned(Option::zipFolder, true);  // no change
    options.followBrowser("/b");                 // Unzip and Work follow, Zip is pinned
    EXPECT_EQ(heard, QList<Option>({Option::workFolder, Option::workFolder, Option::zipFolder,
                                    Option::unzipFolder, Option::workFolder}));
    EXPECT_EQ(options.text(Option::zipFolder), "");
    EXPECT_EQ(options.text(Option::unzipFolder), "/b/");
    EXPECT_EQ(options.text(Option::workFolder), "/b/");
    EXPECT_EQ(options.text(Option::includeFile), "");
}
