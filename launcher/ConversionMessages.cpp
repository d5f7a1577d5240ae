#include "launcher/ConversionMessages.h"

#include "launcher/Translation.h"

#include <QtGlobal>

namespace marulo {

namespace {

// The designed sentences, marked for translation in context
// "ConversionMessages". %1, %2, %3 are the message's arguments as noted.
constexpr const char* Context = "ConversionMessages";
constexpr const char* NoFileSelected = QT_TRANSLATE_NOOP(
    "ConversionMessages", " ファイルが選択されていません。ファイル一覧より変換ファイルを選択して下さい。");
constexpr const char* NoFileInFolder =
    QT_TRANSLATE_NOOP("ConversionMessages", " フォルダ内に有効なファイルがありません。*.wav ");
// %1: the converter, %2: the file.
constexpr const char* StepFailed = QT_TRANSLATE_NOOP("ConversionMessages", " %1 による %2 の変換に失敗しました。");
// %1: the files of the press, %2: how many failed, %3: the first failure's sentence.
constexpr const char* SomeFailed = QT_TRANSLATE_NOOP("ConversionMessages", " %1 件中 %2 件が失敗しました:%3");
// %1: the files of the press, %2: how many were converted, %3: how many failed.
constexpr const char* Stopped =
    QT_TRANSLATE_NOOP("ConversionMessages", " 変換を中止しました。%1 件中 %2 件を変換しました。");
constexpr const char* StoppedWithFailures =
    QT_TRANSLATE_NOOP("ConversionMessages", " 変換を中止しました。%1 件中 %2 件を変換し、%3 件が失敗しました。");
constexpr const char* ResultExists =
    QT_TRANSLATE_NOOP("ConversionMessages", " 変換先に同じ名前のファイルがあるため、変換しませんでした。");
constexpr const char* AlbumMeasureFailed =
    QT_TRANSLATE_NOOP("ConversionMessages", " アルバムの音量を測定できなかったため、変換しませんでした。");

QString Text(const char* text)
{
    return Translated(Context, text);
}

QString FailureText(const ConversionMessage& message)
{
    QString text =
        Text(StepFailed).arg(QString::fromStdString(message.converter), QString::fromStdString(message.fileName));
    if (!message.reason.empty())
        text += QLatin1Char(' ') + QString::fromStdString(message.reason);
    return text;
}

} // namespace

QString ConversionMessageText(const ConversionMessage& message)
{
    using Id = ConversionMessage::Id;
    switch (message.id) {
    case Id::NoFileSelected:
        return Text(NoFileSelected);
    case Id::NoFileInFolder:
        return Text(NoFileInFolder);
    case Id::StepFailed:
        return FailureText(message);
    case Id::SomeFailed:
        return Text(SomeFailed)
            .arg(QString::number(message.files), QString::number(message.failed), FailureText(message));
    case Id::Stopped:
        if (message.failed > 0)
            return Text(StoppedWithFailures)
                .arg(QString::number(message.files), QString::number(message.converted),
                     QString::number(message.failed));
        return Text(Stopped).arg(QString::number(message.files), QString::number(message.converted));
    case Id::ResultExists:
        return Text(ResultExists);
    case Id::AlbumMeasureFailed:
        return Text(AlbumMeasureFailed);
    }
    return {};
}

} // namespace marulo
