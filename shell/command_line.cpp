#include "shell/command_line.h"

#include "framework/application.h"
#include "framework/controls.h"
#include "framework/form.h"
#include "framework/host.h"
#include "framework/run_cycle.h"
#include "problems/problems.h"
#include "shell/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace shell {

namespace {

struct CommandLine {
    enum class Mode { Window, Help, List, Export };
    Mode mode = Mode::Window;
    QString section;  // the problem, by the number of its section in the help ("08", "03a")
    std::vector<std::pair<QString, QString>> inputs;  // text box, text typed into it, in order
    QString file;     // where the desk check is written (--exportar)
    long long steps = 0;  // the steps a run may take (0: the default bound)
    QString error;    // what is wrong with the arguments, in Portuguese (empty: nothing)
    bool foreign = false;  // the error is an argument the program does not know (maybe Qt's own)
};

// The steps a run takes at most when --passos does not say.
constexpr long long kDefaultStepBound = 100000;

void print(FILE* to, const QString& text) { std::fputs(text.toLocal8Bit().constData(), to); }
void complain(const QString& text) { print(stderr, QStringLiteral("matravel: %1\n").arg(text)); }

// The number of a problem's section in the help: its anchor without the "p".
QString sectionOf(const problems::Problem& p) { return QString::fromUtf8(p.help).mid(1); }

// The problems in the order of their sections (the help's order).
std::vector<const problems::Problem*> bySection()
{
    std::vector<const problems::Problem*> all;
    for (const problems::Problem& p : problems::all())
        all.push_back(&p);
    std::stable_sort(all.begin(), all.end(), [](auto a, auto b) { return sectionOf(*a) < sectionOf(*b); });
    return all;
}

QString sections()
{
    QStringList all;
    for (const problems::Problem* p : bySection())
        all << sectionOf(*p);
    return all.join(QStringLiteral(", "));
}

// The problem of a section number; "8" is read as "08".
const problems::Problem* problemOf(const QString& section)
{
    const QString wanted = section.size() == 1 && section[0].isDigit() ? QLatin1Char('0') + section : section;
    for (const problems::Problem& p : problems::all())
        if (sectionOf(p).compare(wanted, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

QString captionOf(const problems::Problem& p)
{
    const QString caption = QString::fromUtf8(p.caption);
    return p.submenu ? QString::fromUtf8(p.submenu->caption) + QStringLiteral(": ") + caption : caption;
}

// The text boxes a student can type into when the window opens, in the window's order.
std::vector<QLineEdit*> boxesOf(const framework::Form& form)
{
    std::vector<QLineEdit*> boxes;
    for (QWidget* control : form.controls())
        if (auto box = qobject_cast<QLineEdit*>(control); box && box->isEnabled() && box->isVisibleTo(&form))
            boxes.push_back(box);
    return boxes;
}

// What a box asks for: the name a screen reader says, else the label that introduces it.
QString promptOf(const framework::Form& form, const QLineEdit* box)
{
    if (!box->accessibleName().isEmpty())
        return box->accessibleName();
    for (QWidget* control : form.controls())
        if (auto label = qobject_cast<QLabel*>(control); label && label->buddy() == box)
            return label->text().trimmed();
    return {};
}

// Types each text into its box, as a student pasting it would; false, with the reason, when
// the window has no such box or it takes no text.
bool typeInputs(framework::Form& form, const problems::Problem& p, const CommandLine& line)
{
    const std::vector<QLineEdit*> boxes = boxesOf(form);
    for (const auto& [name, text] : line.inputs) {
        if (std::find_if(boxes.begin(), boxes.end(), [&](QLineEdit* b) { return b->objectName() == name; }) != boxes.end())
            continue;
        QStringList names;
        for (QLineEdit* b : boxes)
            names << b->objectName();
        complain(QStringLiteral("a janela do problema %1 não tem a caixa de texto \"%2\"; %3")
                     .arg(sectionOf(p), name,
                          names.isEmpty() ? QStringLiteral("ela não tem caixas de texto")
                                          : QStringLiteral("as caixas são: %1").arg(names.join(QStringLiteral(", ")))));
        return false;
    }
    for (const auto& [name, text] : line.inputs) {
        QLineEdit* box = *std::find_if(boxes.begin(), boxes.end(), [&](QLineEdit* b) { return b->objectName() == name; });
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        box->insert(text);
    }
    return true;
}

// Opens the problem's window in the main window, as its menu item does.
framework::Form* choose(Zarpa01& window, const problems::Problem& p)
{
    window.menuItem(QString::fromUtf8(p.menuItem))->trigger();
    QCoreApplication::processEvents();
    return window.form(QString::fromUtf8(p.form));
}

int list()
{
    for (const problems::Problem* problem : bySection()) {
        const problems::Problem& p = *problem;
        print(stdout, QStringLiteral("%1  %2\n").arg(sectionOf(p), -3).arg(captionOf(p)));
        const std::unique_ptr<framework::Form> form(p.create());
        const std::vector<QLineEdit*> boxes = boxesOf(*form);
        qsizetype width = 0;
        for (const QLineEdit* box : boxes)
            width = qMax(width, box->objectName().size());
        for (const QLineEdit* box : boxes) {
            QString entry = QStringLiteral("     %1  %2").arg(box->objectName(), int(-width)).arg(promptOf(*form, box));
            if (!box->text().trimmed().isEmpty())
                entry += QStringLiteral(" (ao abrir: %1)").arg(box->text());
            print(stdout, entry + QLatin1Char('\n'));
        }
        if (boxes.empty())
            print(stdout, QStringLiteral("     (nenhuma caixa de texto)\n"));
    }
    return Ended;
}

int play(const CommandLine& line)
{
    const problems::Problem& p = *problemOf(line.section);
    const auto cannotWrite = [&line](const QString& why) {
        complain(QStringLiteral("não foi possível gravar o arquivo %1: %2").arg(QDir::toNativeSeparators(line.file), why));
        return int(UsageError);
    };
    // Said before the run, which may be long, rather than after it.
    const QFileInfo target(line.file);
    if (target.isDir())
        return cannotWrite(QStringLiteral("é uma pasta"));
    if (!target.absoluteDir().exists())
        return cannotWrite(QStringLiteral("a pasta %1 não existe").arg(QDir::toNativeSeparators(target.absolutePath())));

    // Every message box the run shows is kept instead of waiting for OK: those of the last
    // click are the window's word on a refusal or a run-time error.
    QStringList said;
    framework::setMessageHook([&said](const QString& text, int, const QString&) { said << text; });
    struct Unhook {
        ~Unhook() { framework::setMessageHook({}); }
    } unhook;

    Zarpa01 window;
    // Closed before it goes, as the program's end closes it: every window with it.
    struct Closed {
        Zarpa01& window;
        ~Closed() { window.close(); }
    } closed{window};
    window.timer()->stop();
    window.show();
    framework::Form* form = choose(window, p);
    if (!form || !form->run() || !typeInputs(*form, p, line))
        return UsageError;
    framework::RunCycle& cycle = *form->run();
    // The number of the last step taken (the table drops its oldest rows on a very long run).
    const auto lastStep = [&cycle] { return cycle.steps() == 0 ? 0LL : cycle.model()->firstStep() + cycle.steps() - 1LL; };
    const long long bound = line.steps > 0 ? line.steps : kDefaultStepBound;
    framework::Step::Run end = framework::Step::Run::GoesOn;
    long long clicks = 0;
    // No one looks while the run plays: its lists go to their newest row once, at its end.
    framework::setScrollToNewRows(false);
    while (end == framework::Step::Run::GoesOn && lastStep() < bound) {
        QPushButton* next = cycle.nextCommand();
        if (!next)
            break;
        said.clear();
        next->click();
        end = cycle.endOf(cycle.shownStep());
        // The window is drawn and laid out now and then, not after every click, which would
        // take most of a long run's time.
        if (++clicks % 256 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    framework::setScrollToNewRows(true);
    for (QListWidget* list : form->findChildren<QListWidget*>())
        list->scrollToBottom();
    const bool unfinished = end == framework::Step::Run::GoesOn && cycle.nextCommand() != nullptr;
    // A click that wrote rows past the bound: the window stands at the last step asked for.
    if (unfinished && lastStep() > bound)
        cycle.goTo(int(bound - cycle.model()->firstStep() + 1));

    QString why;
    if (!window.exportDeskCheck(line.file, &why))
        return cannotWrite(why);
    if (end == framework::Step::Run::Refused || end == framework::Step::Run::Error) {
        for (const QString& message : said)
            print(stderr, message + QLatin1Char('\n'));
        return Stopped;
    }
    if (unfinished) {
        complain(line.steps > 0
                     ? QStringLiteral("a execução parou no passo %1, como pede --passos, sem chegar ao fim").arg(bound)
                     : QStringLiteral("a execução parou no passo %1 sem chegar ao fim (--passos escolhe outro limite)")
                           .arg(bound));
        return StepLimit;
    }
    return Ended;
}

// The value of an option: after its "=", or the next argument.
bool valueOf(const QStringList& arguments, qsizetype& i, const QString& inline_, bool hasInline, QString& value)
{
    if (hasInline) {
        value = inline_;
        return true;
    }
    if (i + 1 >= arguments.size() || arguments[i + 1].startsWith(QLatin1String("--")))
        return false;
    value = arguments[++i];
    return true;
}

// One "CAIXA=VALOR" of --entrada.
bool addInput(CommandLine& line, const QString& pair)
{
    const qsizetype equals = pair.indexOf(QLatin1Char('='));
    if (equals <= 0) {
        line.error = equals == 0 ? QStringLiteral("falta o nome da caixa em \"%1\" (escreva CAIXA=VALOR)").arg(pair)
                                 : QStringLiteral("falta o valor da caixa \"%1\" em --entrada (escreva %1=VALOR)").arg(pair);
        return false;
    }
    line.inputs.emplace_back(pair.left(equals), pair.mid(equals + 1));
    return true;
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    bool list = false, help = false;
    const auto fail = [&line](const QString& error) {
        line.error = error;
        return line;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        const qsizetype equals = option.startsWith(QLatin1String("--")) ? option.indexOf(QLatin1Char('=')) : -1;
        const QString inline_ = equals > 0 ? option.mid(equals + 1) : QString();
        if (equals > 0)
            option.truncate(equals);
        QString value;
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            help = true;
        } else if (option == QLatin1String("--listar")) {
            list = true;
        } else if (option == QLatin1String("--problema")) {
            if (!valueOf(arguments, i, inline_, equals > 0, value))
                return fail(QStringLiteral("falta o número do problema depois de --problema (%1)").arg(sections()));
            if (!problemOf(value))
                return fail(QStringLiteral("não há o problema \"%1\"; os problemas são %2").arg(value, sections()));
            line.section = sectionOf(*problemOf(value));
        } else if (option == QLatin1String("--entrada")) {
            bool any = false;
            if (equals > 0)
                any = addInput(line, inline_);
            else
                while (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
                    any = addInput(line, arguments[++i]);
            if (!line.error.isEmpty())
                return line;
            if (!any)
                return fail(QStringLiteral("falta a caixa e o seu valor depois de --entrada (por exemplo X=0.23)"));
        } else if (option == QLatin1String("--exportar")) {
            if (!valueOf(arguments, i, inline_, equals > 0, value))
                return fail(QStringLiteral("falta o nome do arquivo depois de --exportar"));
            if (!value.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) && !value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
                return fail(QStringLiteral("o arquivo \"%1\" não termina em .csv nem em .pdf").arg(value));
            line.file = value;
        } else if (option == QLatin1String("--passos")) {
            if (!valueOf(arguments, i, inline_, equals > 0, value))
                return fail(QStringLiteral("falta o número de passos depois de --passos"));
            bool ok = false;
            line.steps = value.toLongLong(&ok);
            if (!ok || line.steps <= 0)
                return fail(QStringLiteral("--passos pede um número inteiro de passos maior que zero, não \"%1\"").arg(value));
        } else {
            // An option of Qt's own (-style, -platform ...) is for the window to read.
            line.foreign = option.startsWith(QLatin1Char('-')) && !option.startsWith(QLatin1String("--"));
            return fail(QStringLiteral("opção desconhecida: %1 (matravel --help mostra as opções)").arg(arguments[i]));
        }
    }
    if (help)
        line.mode = CommandLine::Mode::Help;
    else if (list)
        line.mode = CommandLine::Mode::List;
    else if (!line.file.isEmpty())
        line.mode = CommandLine::Mode::Export;
    if (line.mode == CommandLine::Mode::Export && line.section.isEmpty())
        return fail(QStringLiteral("--exportar pede --problema: qual problema executar?"));
    if (line.mode == CommandLine::Mode::Window && line.steps > 0)
        return fail(QStringLiteral("--passos só vale com --exportar"));
    if (line.mode == CommandLine::Mode::Window && !line.inputs.empty() && line.section.isEmpty())
        return fail(QStringLiteral("--entrada pede --problema: em que janela digitar?"));
    return line;
}

QString usage()
{
    return QStringLiteral(
               "Uso: matravel [--problema N [--entrada CAIXA=VALOR ...]]\n"
               "     matravel --problema N [--entrada CAIXA=VALOR ...] --exportar ARQUIVO [--passos P]\n"
               "     matravel --listar\n"
               "     matravel --help\n"
               "\n"
               "Sem opções, abre o programa. Com --problema e sem --exportar, abre o programa com a\n"
               "janela desse problema escolhida e os valores de --entrada digitados nas caixas.\n"
               "\n"
               "  --problema N        o problema, pelo número da sua seção na ajuda:\n"
               "                      %1\n"
               "  --entrada CAIXA=VALOR ...\n"
               "                      digita VALOR na caixa de texto CAIXA da janela (X, a, b, n,\n"
               "                      R1 ...); vários pares depois de um --entrada, ou um --entrada\n"
               "                      para cada par\n"
               "  --exportar ARQUIVO  executa o problema sem abrir janela nenhuma, clicando o comando\n"
               "                      que continua a execução até ela terminar, e grava o teste de\n"
               "                      mesa como \"Exportar teste de mesa...\" o grava: em PDF se ARQUIVO\n"
               "                      termina em .pdf, em CSV se termina em .csv\n"
               "  --passos P          para depois de P passos (sem ele, depois de %2); um clique que\n"
               "                      escreve várias linhas do teste de mesa as escreve todas\n"
               "  --listar            mostra cada problema, o seu título e as caixas de texto que a\n"
               "                      sua janela lê, com o que cada uma pede\n"
               "  --help              mostra este texto\n"
               "\n"
               "Estado de saída de --exportar:\n"
               "  0  a execução terminou como termina na janela\n"
               "  1  a janela recusou os valores, ou um erro de execução a interrompeu: a mensagem\n"
               "     da janela vai para a saída de erros, e o teste de mesa é gravado como a\n"
               "     janela o deixa\n"
               "  2  erro nas opções (problema ou caixa que não existe, valor que falta) ou arquivo\n"
               "     que não se pode gravar: nada é gravado, e um arquivo anterior fica como era\n"
               "  3  a execução parou pelo limite de passos antes de terminar\n")
        .arg(sections())
        .arg(kDefaultStepBound);
}

}  // namespace

std::optional<int> runWithoutWindow(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = parseCommandLine(arguments);
    const bool noWindow = std::any_of(arguments.begin(), arguments.end(), [](const QString& a) {
        return a == QLatin1String("--help") || a == QLatin1String("-h") || a == QLatin1String("--listar")
               || a == QLatin1String("--exportar") || a.startsWith(QLatin1String("--exportar="));
    });
    // An argument the program does not know may be one of Qt's, which the window reads.
    if (!line.error.isEmpty() && (noWindow || !line.foreign)) {
        complain(line.error);
        return UsageError;
    }
    if (!noWindow)
        return std::nullopt;
    if (line.mode == CommandLine::Mode::Help) {
        print(stdout, usage());
        return Ended;
    }
    // No window is shown: none needs a display, and Qt's remarks on the platform are not the
    // program's output (its own faults are still said).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            print(stderr, text + QLatin1Char('\n'));
    });
    // The arguments are the program's own: Qt reads none of them.
    int qtArgc = 1;
    framework::Application app(qtArgc, argv);
    framework::useSystemLocale();
    return line.mode == CommandLine::Mode::List ? list() : play(line);
}

bool openChosen(Zarpa01& window, const QStringList& arguments)
{
    const CommandLine line = parseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        complain(line.error);
        return false;
    }
    if (line.section.isEmpty())
        return true;
    const problems::Problem& p = *problemOf(line.section);
    framework::Form* form = choose(window, p);
    return form && typeInputs(*form, p, line);
}

}  // namespace shell
