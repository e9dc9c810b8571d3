#include "platform/untLibreOffice.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace velmar {

namespace {

const QTemporaryDir& PrivateProfile()
{
    static const QTemporaryDir profile(QDir::temp().filePath("velmar-soffice-XXXXXX"));
    return profile;
}

} // namespace

QString TLibreOffice::Program()
{
    return QStandardPaths::findExecutable(QStringLiteral("soffice"));
}

QString TLibreOffice::Convert(const QString& input, const QString& format, const QString& outputFolder, int timeLimitMs)
{
    const QString program = Program();
    if (program.isEmpty() || !PrivateProfile().isValid())
        return {};
    QStringList arguments = {QStringLiteral("-env:UserInstallation=") +
                                 QUrl::fromLocalFile(PrivateProfile().path()).toString(),
                             QStringLiteral("--headless"), QStringLiteral("--norestore")};
    const QString inputExtension = QFileInfo(input).suffix().toLower();
    if (inputExtension == u"html" || inputExtension == u"htm")
        arguments << QStringLiteral("--infilter=HTML (StarWriter)");
    arguments << QStringLiteral("--convert-to") << format << QStringLiteral("--outdir") << outputFolder << input;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeLimitMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    const QString extension = format.section(QLatin1Char(':'), 0, 0);
    const QString output = QDir(outputFolder).filePath(QFileInfo(input).completeBaseName() + "." + extension);
    return QFileInfo::exists(output) ? output : QString();
}

} // namespace velmar
