#pragma once

#include <QString>

namespace tools {

// The renaming templates: one spacing rule, applied to each character of a
// name, then one letter-case rule, applied to the whole name (extension
// included).
enum class SpacingRule {
    None,
    SpacesToUnderscores,
    UnderscoresToSpaces,
    RemoveSpaces,
    // Drops "[" and "]" without putting anything in their place.
    RemoveBrackets,
};

enum class CaseRule {
    None,
    Upper,
    Lower,
    // Upper case for the first character and every one after a space, "-",
    // "[", "." or "("; lower case for the rest.
    Capitalise,
};

struct RenameRules {
    SpacingRule spacing = SpacingRule::None;
    CaseRule letterCase = CaseRule::None;
};

// The name the templates make of `name`. Only the letters a to z and A to Z
// change case.
QString applyRenameRules(const QString &name, RenameRules rules);

// The name a file is given: the templates' result without leading and
// trailing blanks and control characters.
QString nameForRenaming(const QString &ruled);

// Names no file can be given: empty, "." and "..".
bool usableFileName(const QString &name);

}  // namespace tools
