// The file dialogs and message boxes, and the seam that answers them in tests.
#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QThread>
#include <cstdio>
#include <mutex>

#include "platform/base/files.h"
#include "platform/base/thread.h"
#include "platform/ui/application.h"
#include "platform/ui/painter_graphics.h"
#include "platform/ui/testing.h"

namespace fw {

namespace {

struct Seam {
  std::mutex mutex;
  testing::DialogAnswerer answerer;
  std::vector<std::string> messages;
};

Seam& TheSeam() {
  static Seam seam;
  return seam;
}

testing::DialogAnswerer CurrentAnswerer() {
  std::lock_guard lock(TheSeam().mutex);
  return TheSeam().answerer;
}

bool OnGuiThread() { return qApp && QThread::currentThread() == qApp->thread(); }

// Runs a modal loop with the baton let go, so the playback thread keeps
// playing while the user decides; takes it back afterwards.
template <typename F>
void WithoutBaton(F modal) {
  BatonReleased released;
  modal();
}

// ".trk;.txt" -> "*.trk *.txt"; an empty list matches every file.
QString Patterns(const std::string& extensions) {
  QStringList patterns;
  for (QString ext :
       ToQString(extensions).split(QRegularExpression("[;,\\s]+"), Qt::SkipEmptyParts)) {
    while (ext.startsWith('*') || ext.startsWith('.')) ext.remove(0, 1);
    if (!ext.isEmpty()) patterns << "*." + ext;
  }
  return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(' ');
}

QStringList NameFilters(const std::vector<const FileType*>& filter) {
  QStringList filters;
  for (const FileType* type : filter) {
    if (!type) continue;
    filters << ToQString(type->Name) + " (" + Patterns(type->Extensions) + ")";
  }
  return filters;
}

void AddPrompt(QFileDialog& dialog, const std::string& prompt) {
  if (prompt.empty()) return;
  auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
  if (!grid) return;
  grid->addWidget(new QLabel(ToQString(prompt), &dialog), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

FolderItemRef Run(testing::DialogKind kind, const DialogOptions& o) {
  if (auto answerer = CurrentAnswerer()) {
    const std::string suggested = kind == testing::DialogKind::SaveAs ? o.SuggestedFileName
                                  : o.InitialDirectory ? o.InitialDirectory->Path().string()
                                                       : std::string();
    const std::string path = answerer(kind, suggested);
    if (path.empty()) return nullptr;
    return std::make_shared<FolderItem>(path);
  }
  if (!OnGuiThread()) {
    std::fprintf(stderr, "A file dialog can only be shown by the main thread\n");
    return nullptr;
  }

  QFileDialog dialog(nullptr, ToQString(o.Title));
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setWindowModality(Qt::ApplicationModal);
  if (o.InitialDirectory && o.InitialDirectory->Directory()) {
    dialog.setDirectory(QString::fromStdString(o.InitialDirectory->Path().string()));
  }
  switch (kind) {
    case testing::DialogKind::Open:
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(QFileDialog::ExistingFile);
      break;
    case testing::DialogKind::SaveAs:
      dialog.setAcceptMode(QFileDialog::AcceptSave);
      dialog.setFileMode(QFileDialog::AnyFile);
      if (!o.SuggestedFileName.empty()) dialog.selectFile(ToQString(o.SuggestedFileName));
      break;
    case testing::DialogKind::SelectFolder:
      dialog.setAcceptMode(QFileDialog::AcceptOpen);
      dialog.setFileMode(QFileDialog::Directory);
      dialog.setOption(QFileDialog::ShowDirsOnly, true);
      break;
  }
  const QStringList filters = NameFilters(o.Filter);
  if (!filters.isEmpty() && kind != testing::DialogKind::SelectFolder) {
    dialog.setNameFilters(filters);
  }
  if (!o.ActionButtonCaption.empty())
    dialog.setLabelText(QFileDialog::Accept, ToQString(o.ActionButtonCaption));
  AddPrompt(dialog, o.PromptText);

  int result = QDialog::Rejected;
  WithoutBaton([&] { result = dialog.exec(); });
  const QStringList chosen = dialog.selectedFiles();
  if (result != QDialog::Accepted || chosen.isEmpty()) return nullptr;
  return std::make_shared<FolderItem>(chosen.first().toStdString());
}

}  // namespace

FolderItemRef ShowOpenDialog(const DialogOptions& options) {
  return Run(testing::DialogKind::Open, options);
}

FolderItemRef ShowSaveAsDialog(const DialogOptions& options) {
  return Run(testing::DialogKind::SaveAs, options);
}

FolderItemRef ShowSelectFolderDialog(const DialogOptions& options) {
  return Run(testing::DialogKind::SelectFolder, options);
}

FolderItemRef GetOpenFolderItem(const std::vector<const FileType*>& filter) {
  DialogOptions o;
  o.Filter = filter;
  return ShowOpenDialog(o);
}

FolderItemRef OpenDialog(const std::vector<const FileType*>& filter, const std::string& title) {
  DialogOptions o;
  o.Filter = filter;
  o.Title = title;
  return ShowOpenDialog(o);
}

FolderItemRef SaveAsDialog(const std::string& suggestedName, const std::string& title) {
  DialogOptions o;
  o.SuggestedFileName = suggestedName;
  o.Title = title;
  return ShowSaveAsDialog(o);
}

FolderItemRef SelectFolderDialog(const std::string& title) {
  DialogOptions o;
  o.Title = title;
  return ShowSelectFolderDialog(o);
}

void MsgBox(const std::string& text) {
  bool answered;
  {
    std::lock_guard lock(TheSeam().mutex);
    TheSeam().messages.push_back(text);
    answered = static_cast<bool>(TheSeam().answerer);
  }
  if (answered) return;
  if (!OnGuiThread()) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QString(), ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  WithoutBaton([&] { box.exec(); });
}

namespace testing {

void SetDialogAnswerer(DialogAnswerer answerer) {
  std::lock_guard lock(TheSeam().mutex);
  TheSeam().answerer = std::move(answerer);
}

void ClearDialogAnswerer() {
  std::lock_guard lock(TheSeam().mutex);
  TheSeam().answerer = nullptr;
}

const std::vector<std::string>& Messages() { return TheSeam().messages; }

void ClearMessages() {
  std::lock_guard lock(TheSeam().mutex);
  TheSeam().messages.clear();
}

}  // namespace testing

}  // namespace fw
