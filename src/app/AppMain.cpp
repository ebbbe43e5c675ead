#include "AppMain.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "SettingsDialogs.h"
#include "SingleInstance.h"
#include "TolvaneForm.h"
#include "archiver/LibLha32.h"
#include "jobs/ShellTexts.h"
#include "text/Cp932.h"
#include "text/DateFormat.h"

namespace tolvane::app {
namespace {

// Without a screen to show it on, a message box would wait for ever.
bool CanShowBoxes() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void ReportStartupError(const QString& title, const QString& message) {
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (CanShowBoxes()) QMessageBox::critical(nullptr, title, message);
}

// Arguments as CP932 texts; an argument that has no CP932 form ends the list,
// as any error in reading the command line skips the rest of it.
std::vector<std::string> Cp932Arguments(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        try {
            args.push_back(QStringToCp932(arguments[i]));
        } catch (const ECp932Error&) {
            break;
        }
    }
    return args;
}

}  // namespace

int RunWindowProgram(const char* title, int argc, char** argv) {
    QApplication application(argc, argv);
    const QString titleText = Cp932ToQString(title);
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    try {
        LoadUnlha32((folder + QString::fromLatin1(kUnlha32FileName)).toStdString());
    } catch (const EUnlha32Error& e) {
        ReportStartupError(titleText, QString::fromLatin1(e.what()));
        return 1;
    }
    std::string programFolder;
    try {
        programFolder = QStringToCp932(folder);
    } catch (const ECp932Error& e) {
        ReportStartupError(titleText, QString::fromUtf8(e.what()));
        return 1;
    }

    SetShortDateFormat("yyyy/mm/dd");

    const QString exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    SingleInstance instance(SingleInstance::MarkerFor(exeName));
    if (instance.ActivateRunningCopy()) return 0;

    int status = 0;
    try {
        instance.Register();
        QApplication::setApplicationDisplayName(titleText);
        auto* form = new gui::TTolvaneForm(title, Cp932Arguments(QCoreApplication::arguments()),
                                           programFolder);
        form->setAttribute(Qt::WA_DeleteOnClose);
        auto* popForm = new gui::TPOPForm(form);
        auto* netForm = new gui::TNETForm(form);
        form->AttachDialogs(popForm, netForm);
        QObject::connect(&instance, &SingleInstance::ActivationRequested, form,
                         &gui::TTolvaneForm::Activate);
        form->show();
        status = application.exec();
    } catch (const std::exception&) {
        QApplication::beep();
        if (CanShowBoxes()) {
            QMessageBox::critical(nullptr, titleText, Cp932ToQString(kResourceErrorText));
        }
        status = 0;
    }
    FreeUnlha32();
    return status == 0 ? 0 : status;
}

}  // namespace tolvane::app
