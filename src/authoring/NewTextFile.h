#pragma once
// Empty text files made by the new-text dialog: a name the learner types
// becomes <folder>/<name>.txt, the start of a new collection or reference
// book.
#include <QString>

namespace NewText {

// The characters a name may not hold, as the dialog lists them.
QString forbiddenCharacters();

// Why a typed name cannot be used, or "" when it can. Refused: an empty
// name, a listed character, a control character, and names made only of
// dots and spaces (".", ".." and the like), so that the file always lands
// inside the chosen folder under a name of its own.
QString nameError(const QString &name);

// folder + "/" + name + ".txt" (no doubled "/" after a folder that has one).
QString filePath(const QString &folder, const QString &name);

enum class Result { Created, Refused, Exists, Failed };

// Creates the empty file for `name` in `folder`. An existing file is left
// untouched (Exists). *message gets the text to show for every result:
// name + ".txt は作成されました" and the folder when created.
Result create(const QString &folder, const QString &name, QString *message);

} // namespace NewText
