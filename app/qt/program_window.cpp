#include "app/qt/program_window.h"

#include "codeplug/path_text.h"
#include "program/command_args.h"
#include "program/exit_status.h"
#include "program/program_main.h"
#include "program/qt/offscreen_platform.h"
#include "program/platform.h"
#include "program/window_args.h"
#include "app/qt/fleet_commands.h"
#include "program/qt/local_path.h"
#include "app/qt/main_frame.h"
#include "app/qt/window_connections.h"
#include "app/qt/user_dialogs.h"
#include "codeplug/tone_list.h"
#include "editor/qt/tol_view.h"

#include <QApplication>
#include <QDir>
#include <QBuffer>
#include <QImageWriter>
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
    if (isBuiltInTranslation(language)) {
        const QString builtIn = language.languageName == language.baseName + "_EN"
                                    ? QStringLiteral(":/translations/tolvan_en.qm")
                                    : QStringLiteral(":/translations/tolvan_zh.qm");
        return translator.load(builtIn) ? builtIn : QString();
    }
    for (const QString& dir : dirs) {
        // The language name comes from the ini file: the batch commands apply the same rule.
        const std::filesystem::path file = findTranslation(language.languageName, {localPath(dir)});
        if (!file.empty() && translator.load(displayPath(file)))
            return displayPath(file);
    }
    return {};
}

} // namespace

ProgramWindow::~ProgramWindow()
{
    frame_.reset();
    if (standardTexts_)
        QCoreApplication::removeTranslator(standardTexts_.get());
    if (localeBefore_)
        QLocale::setDefault(*localeBefore_);
    if (translator_)
        QCoreApplication::removeTranslator(translator_.get());
}

std::unique_ptr<ProgramWindow> ProgramWindow::start(const Edition& edition, const std::string& programPath,
                                                    bool systemIsChinese, const QStringList& translationDirs,
                                                    UserDialogs& dialogs, const CloneWindowOptions& link)
{
    std::unique_ptr<ProgramWindow> w(new ProgramWindow);
    w->language_ = decideStartupLanguage(edition, programPath, systemIsChinese);
    w->translator_ = std::make_unique<QTranslator>();
    w->translationFile_ = loadTranslation(*w->translator_, w->language_, translationDirs);
    if (w->translationFile_.isEmpty()) {
        dialogs.ask(nullptr, QMessageBox::Warning, QString(), QString::fromUtf8(kLanguageLoadFailure),
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
        // Qt's file dialog names file types in the default locale's language.
        w->localeBefore_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    }
    ToneList::instance();
    w->doc_ = std::make_unique<CTolDoc>(edition);
    w->frame_ = std::make_unique<CMainFrame>(*w->doc_, w->language_, dialogs);
    w->fleet_ = &composeWindowCommands(*w->frame_, w->language_, dialogs, link);
    // The edition's size, or the same proportions on a screen too small for it.
    WindowSize size = edition.windowSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.fittedTo(screen->availableGeometry().width(), screen->availableGeometry().height());
    w->frame_->resize(size.width, size.height);
    w->frame_->view().initialUpdate();
    return w;
}

void ProgramWindow::show()
{
    frame_->show();
    if (QScreen* screen = frame_->screen()) {
        QRect r = frame_->frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        frame_->move(r.topLeft());
    }
}

QStringList dataDirectories()
{
    // Beside the program, then the data folder of the tree it was installed in
    // (so a tree unpacked elsewhere finds its own), then the configured one.
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir, QDir::cleanPath(dir + QStringLiteral("/../share/tolvan")), QStringLiteral(TOLVAN_DATA_DIR)};
}

namespace {

// The picture format a name asks for by its ending, if Qt can write it.
QByteArray pictureFormat(const std::filesystem::path& path)
{
    QByteArray suffix = QByteArray::fromStdString(path.extension().string()).mid(1).toLower();
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

int savePicture(const QImage& image, const std::filesystem::path& path, const OutputRules& rules)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, pictureFormat(path));
    if (!writer.write(image)) {
        std::cerr << "Cannot write \"" << path.string() << "\": " << writer.errorString().toStdString() << ".\n";
        return kExitFileError;
    }
    const FileResult written
        = writeFileSafely(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), rules);
    return written.ok() ? kExitDone : outputFault(written, path);
}

int windowMain(const Edition& edition, int argc, char** argv)
{
    const std::vector<std::string> given = programArguments(argc, argv);
    const WindowArgs args = parseWindowArgs(std::vector<std::string>(given.begin() + 1, given.end()));
    if (!args.ok) {
        std::cerr << edition.id << ": " << args.error << "\n"
                  << edition.id << ": usage: " << edition.id << " [--port PORT] [--screenshot OUT.png] [FILE]\n";
        return kExitUsage;
    }
    // A picture is an export: a swapped or mistyped name must not replace the file it shows.
    const std::filesystem::path file = pathFromText(args.file), picture = pathFromText(args.screenshot);
    const OutputRules pictureRules{.input = file, .isExport = true};
    if (!args.screenshot.empty())
        if (const FileResult target = checkOutputFile(picture, pictureRules); !target.ok())
            return outputFault(target, picture);
    // A picture needs no display.
    if (!args.screenshot.empty())
        useOffscreenPlatform();
    QApplication app(argc, argv);
    UserDialogs& dialogs = args.screenshot.empty() ? standardDialogs() : stderrDialogs();
    const bool chinese = QLocale::system().language() == QLocale::Chinese;
    auto window = ProgramWindow::start(edition, programPath(), chinese, dataDirectories(), dialogs);
    if (!window)
        return kExitFileError;
    CMainFrame& frame = window->frame();
    frame.choosePort(args.port);
    if (!args.screenshot.empty() && pictureFormat(picture).isEmpty())
        return usageError(edition.id, "--screenshot",
                          "the name " + args.screenshot + " ends in no picture format (.png, .jpg, ...)");
    if (!args.file.empty() && !frame.openFile(file))
        return kExitFileError;
    if (!args.screenshot.empty()) {
        frame.resize(edition.windowSize.width, edition.windowSize.height);
        frame.show();
        QApplication::processEvents();
        return savePicture(frame.grab().toImage(), picture, pictureRules);
    }
    window->show();
    return app.exec();
}

} // namespace

void installProgramWindow()
{
    setWindowMain(windowMain);
}

} // namespace tolvan
