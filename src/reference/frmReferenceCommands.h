#pragma once
// The main window's reference-book and dictionary commands, as free
// functions over the run's state so that any window can use them. Every
// question to the user goes through platform().
#include <QString>
#include <QStringList>

class QWidget;
struct Settings;
struct DrillState;

// Reference look-up of the main window (cmdOpenReferenceClick). Outside a
// drill it asks for the text to look up ("参考書内の検索"), pre-filled with
// the current keyword without its "#", and stops on cancel; during a drill it
// takes that keyword without asking. Then the viewer is shown modally.
// Returns true when the viewer was shown (the caller then gives the focus
// back to the answer box).
bool OpenReferenceCommand(QWidget *parent, const Settings &settings, const DrillState &drill);
// The same with the current keyword line and whether a drill is running
// given directly.
bool OpenReferenceCommand(QWidget *parent, const Settings &settings,
                          const QString &currentKeyword, bool drillRunning);

// Dictionary look-up of the main window (cmdOpenDictionaryClick).
// `answerItems` are the entries of the word list and `selectedRow` the
// selected one (-1 for none). In rearranging mode with a non-empty list the
// selected word is looked up ("単語が選択されていません。" without one);
// otherwise the word is asked for. The word is cut at "." and then ",".
void OpenDictionaryCommand(QWidget *parent, const Settings &settings,
                           const QStringList &answerItems, int selectedRow);

// Asks for a word ("単語を調べる"), looks it up in the dictionary and shows
// what was found; nothing happens on cancel or an empty word. `trimWord`
// cuts the word at "." and "," first (the main window does, the result
// dialog's own dictionary button does not).
void AskDictionaryWord(QWidget *parent, const Settings &settings, bool trimWord);

// Looks `word` up exactly as given and shows the outcome: the found entry or
// "見つけることができませんでした", or the error naming an unreadable file.
void ShowDictionaryWord(QWidget *parent, const Settings &settings, const QString &word);

// Reference choice of the file toolbar.
// cboReferenceFileChange: the current reference path becomes the path the
// user's Setup.ini keeps under `comboText` in "Reference Path" ("" if none).
void ReferenceFileChanged(Settings &settings, const QString &comboText);
// cmdSelectReferenceFileClick: asks for a reference book; on OK writes
// (file name, full path) to "Reference Path" of Setup.ini, makes the path
// current and returns the file name for the drop-down. Returns "" when
// cancelled. A Setup.ini that cannot be written is reported; the choice still
// holds for this run.
QString SelectReferenceFile(QWidget *parent, Settings &settings);
// cmdROpenByMemoClick: opens the book named `comboText` (path from
// "Reference Path") in the system's editor for text files.
void OpenReferenceInEditor(QWidget *parent, const Settings &settings, const QString &comboText);
