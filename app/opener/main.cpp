// tolvan-open: the launcher that opens .sin files in the program they belong to.
#include "app/qt/open_question.h"
#include "program/platform.h"
#include "program/startup_language.h"

#include <QApplication>

#include <memory>

namespace {

// A question needs someone to answer it: a display that is not the offscreen one.
bool canAsk()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal"))
        return false;
    return !platform.isEmpty() || tolvan::desktopSessionPresent();
}

// The application object is made only when a window is shown: most runs
// start a program at once.
class Windows : public tolvan::OpenerWindows {
public:
    Windows(int& argc, char** argv) : argc_(argc), argv_(argv) {}
    const tolvan::Edition* choose(const std::vector<const tolvan::Edition*>& candidates,
                                  const std::filesystem::path& file, tolvan::Language language) override
    {
        ensureApplication();
        return OpenerWindows::choose(candidates, file, language);
    }
    void tell(const std::string& message, tolvan::Language language) override
    {
        ensureApplication();
        OpenerWindows::tell(message, language);
    }

private:
    void ensureApplication()
    {
        if (!app_)
            app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    int& argc_;
    char** argv_;
    std::unique_ptr<QApplication> app_;
};

} // namespace

int main(int argc, char** argv)
{
    using namespace tolvan;
    prepareStandardStreams();
    std::vector<std::string> args = programArguments(argc, argv);
    args.erase(args.begin());
    const Language language = systemLanguageIsChinese() ? Language::Chinese : Language::English;
    Windows windows(argc, argv);
    return runOpener(args, canAsk() ? &windows : nullptr, execProgramBeside, language);
}
