#include "app/qt/program_window.h"

#include "program/exit_status.h"
#include "program/program_main.h"
#include "program/window_args.h"
#include "app/qt/main_frame.h"
#include "app/qt/window_connections.h"
#include "app/qt/user_dialogs.h"
#include "codeplug/tone_list.h"
#include "editor/qt/tol_view.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>

#include <iostream>

#ifndef TOLVAN_DATA_DIR
#define TOLVAN_DATA_DIR "/usr/local/share/tolvan"
#endif

namespace tolvan {
namespace {

// The program's own two translations are built in; any other language name is
// looked up as "<name>.qm" in `dirs` (only a plain file name counts: the name
// comes from the ini file). Gives the path loaded, empty when there is none.
QString loadTranslation(QTranslator& translator, const StartupLanguage& language, const QStringList& dirs)
{
    const std::string& name = language.languageName;
    for (const auto& [suffix, builtIn] : {std::pair{"_EN", ":/translations/tolvan_en.qm"},
                                          std::pair{"_CH", ":/translations/tolvan_zh.qm"}})
        if (name == language.baseName + suffix)
            return translator.load(QString::fromLatin1(builtIn)) ? QString::fromLatin1(builtIn) : QString();
    const QString qm = QString::fromStdString(translationFileName(name));
    if (name.empty() || QFileInfo(qm).fileName() != qm)
        return {};
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(qm);
        if (QFileInfo(path).isFile() && translator.load(path))
            return path;
    }
    return {};
}

} // namespace

ProgramWindow::~ProgramWindow()
{
    frame_.reset();
    if (standardTexts_)
        QCoreApplication::removeTranslator(standardTexts_.get());
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
}

std::unique_ptr<ProgramWindow> ProgramWindow::start(const Edition& edition, const std::string& programPath,
                                                    bool systemIsChinese, const QStringList& translationDirs,
                                                    UserDialogs& dialogs)
{
    std::unique_ptr<ProgramWindow> w(new ProgramWindow);
    w->language_ = decideStartupLanguage(edition, programPath, systemIsChinese);
    w->translator_ = std::make_unique<QTranslator>();
    w->translationFile_ = loadTranslation(*w->translator_, w->language_, translationDirs);
    if (w->translationFile_.isEmpty()) {
        dialogs.ask(nullptr, QMessageBox::Warning, QString(), QStringLiteral("Load Resource DLL english.dll Fail"),
                    QMessageBox::Ok);
        return nullptr;
    }
    // The menus follow the translation, the messages the language test: a
    // translation of another name can give English menus and Chinese messages.
    w->language_.resources = w->translator_->language().startsWith(QLatin1String("zh")) ? Language::Chinese
                                                                                          : Language::English;
    QCoreApplication::installTranslator(w->translator_.get());
    if (w->language_.language == Language::Chinese) {
        w->standardTexts_ = std::make_unique<QTranslator>();
        if (w->standardTexts_->load(QStringLiteral(":/translations/qtbase_zh_CN.qm"))
            || w->standardTexts_->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(w->standardTexts_.get());
    }
    ToneList::instance();
    w->doc_ = std::make_unique<CTolDoc>(edition);
    w->frame_ = std::make_unique<CMainFrame>(*w->doc_, w->language_, dialogs);
    w->frame_->view().initialUpdate();
    return w;
}

QStringList dataDirectories()
{
    // Beside the program, then the data folder of the tree it was installed in
    // (so a tree unpacked elsewhere finds its own), then the configured one.
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir, QDir::cleanPath(dir + QStringLiteral("/../share/tolvan")), QStringLiteral(TOLVAN_DATA_DIR)};
}

namespace {

int windowMain(const Edition& edition, int argc, char** argv)
{
    const WindowArgs args = parseWindowArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (!args.ok) {
        std::cerr << edition.id << ": usage: " << edition.id << " [--port PORT] [--screenshot OUT.png] [FILE]\n";
        return kExitUsage;
    }
    // A picture needs no display.
    if (!args.screenshot.empty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    UserDialogs& dialogs = args.screenshot.empty() ? standardDialogs() : stderrDialogs();
    const bool chinese = QLocale::system().language() == QLocale::Chinese;
    auto window = ProgramWindow::start(edition, programPath(), chinese, dataDirectories(), dialogs);
    if (!window)
        return kExitFileError;
    CMainFrame& frame = window->frame();
    connectWindowCommands(frame);
    frame.choosePort(args.port);
    if (!args.file.empty() && !frame.openFile(QString::fromLocal8Bit(args.file.c_str())))
        return kExitFileError;
    if (!args.screenshot.empty()) {
        frame.resize(1024, 768);
        frame.show();
        QApplication::processEvents();
        if (!frame.grab().save(QString::fromLocal8Bit(args.screenshot.c_str()))) {
            std::cerr << edition.id << ": cannot write " << args.screenshot << '\n';
            return kExitFileError;
        }
        return kExitDone;
    }
    frame.show();
    if (QScreen* screen = frame.screen()) {
        QRect r = frame.frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        frame.move(r.topLeft());
    }
    return app.exec();
}

} // namespace

void installProgramWindow()
{
    setWindowMain(windowMain);
}

} // namespace tolvan
