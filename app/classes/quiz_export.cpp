// The set as a quiz file; see quiz_export.h.
#include "app/classes/quiz_export.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProgressDialog>
#include <QWidget>
#include <algorithm>
#include <optional>
#include <string>

#include "app/files/graph_files.h"
#include "app/messages.h"
#include "document/moodle_quiz.h"
#include "plot/variant_picture.h"

namespace app {

namespace {

const QString kXmlEnding = QStringLiteral(".xml");
const QString kGiftEnding = QStringLiteral(".gift.txt");

bool IsGift(const QString& path) { return path.endsWith(kGiftEnding, Qt::CaseInsensitive); }

// Every variant's picture as PNG bytes, drawn as the window draws them, or
// nothing when the person stopped.
std::optional<std::vector<std::string>> Pictures(const std::vector<graph::ClassVariant>& set,
                                                 QWidget* parent) {
    const int count = static_cast<int>(set.size());
    QProgressDialog progress(QCoreApplication::translate("app::QuizExport", "Рисуются варианты…"),
                             QCoreApplication::translate("app::QuizExport", "Остановить"), 0, count,
                             parent);
    progress.setObjectName(QStringLiteral("quizProgress"));
    progress.setWindowTitle(parent->windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    std::vector<std::string> pictures;
    for (int k = 0; k < count; ++k) {
        progress.setValue(k);
        if (progress.wasCanceled()) return std::nullopt;
        pictures.push_back(plot::VariantPng(set[static_cast<std::size_t>(k)], "1.bmp"));
    }
    progress.setValue(count);
    return pictures;
}

}  // namespace

QString QuizPath(const FileChoice& choice) {
    if (IsGift(choice.path) || choice.path.endsWith(kXmlEnding, Qt::CaseInsensitive)) {
        return choice.path;
    }
    return QuizFileName(choice.path, choice.filter);
}

QuizExport ExportSetAsQuiz(const std::vector<graph::ClassVariant>& set, std::uint64_t seed,
                           QWidget* parent) {
    const QString offered = QString::fromStdString(document::DefaultQuizName(seed));
    const FileChoice choice =
        ChooseFile({FileRequest::Purpose::SaveQuiz, DialogFolder(), offered + kXmlEnding, offered});
    if (choice.path.isEmpty()) return {};
    document::QuizHeading heading{choice.quizName.trimmed().toStdString(), false};
    if (!document::IsQuizName(heading.name)) {
        throw QuizNameError(QCoreApplication::translate("app::QuizExport",
                                                        "Файл не записан: в имени набора должно "
                                                        "быть от 1 до 255 знаков, без управляющих")
                                .toStdString());
    }
    const QString path = QuizPath(choice);
    if (QFileInfo::exists(path) &&
        AskQuestion(
            {QCoreApplication::translate("app::QuizExport", "Файл «%1» уже есть. Заменить его?")
                 .arg(QFileInfo(path).fileName()),
             QuestionContent::YesNo}) != QMessageBox::Yes) {
        return {};
    }

    std::string text;
    if (IsGift(path)) {
        text = document::GiftText(set, heading);
    } else {
        // As graphway decides it, so that both write the same file.
        heading.uniqueTable = std::all_of(set.begin(), set.end(), [](const auto& variant) {
            return document::HasOneTableForm(variant.adjacency);
        });
        const auto pictures = Pictures(set, parent);
        if (!pictures) return {QuizExport::Outcome::Stopped, path};
        text = document::MoodleXmlText(set, heading, [&](const graph::ClassVariant& variant) {
            return pictures->at(static_cast<std::size_t>(&variant - set.data()));
        });
    }
    WriteFileBytes(path, QByteArray::fromStdString(text));
    RememberFolderOf(path);
    return {QuizExport::Outcome::Written, path};
}

}  // namespace app
