// The scenario commands of the desk check and of the menu "E&xibir":
//   expect trace columns "t" ...        the headings, "O que aconteceu" last
//   expect trace rows N
//   expect trace row K "t" ...          the values of row K (1: the first step's first row)
//   expect trace row K says "t"         what happened there
//   expect trace selected K             the row chosen (0: none, the window before the run)
//   expect trace fits                   the panel on screen, every heading and cell in view whole
//   expect trace shown K yes|no         row K wholly in view
//   expect trace agrees                 the window followed shows the step chosen (but for
//                                       what is typed in its boxes since)
//   trace go K                          chooses row K (0: before the first step)
//   snapshot NAME                       records what the active problem window shows
//   expect FORM matches NAME            the window shows it again (else: the controls that differ)
//   zoom PERCENT                        the zoom of every window (100, 125, 150, 200, 250, 300)
//   play / stop                         "Executar sozinho"; each "tick" is a beat of it
//   export "FILE.csv" | "FILE.pdf"      the desk check, with no dialog ("... fails": it must not
//                                       be written, and the program says why)
//   limit filesize BYTES                files larger than this cannot be written (0: no limit)
//   dialog filter|name|accept|cancel    the export dialog (see dialogCommand)
//   expect dialog button "T"            the open dialog shows a button "T"
//   expect file "F" kind csv|pdf        the file is a whole export of that kind
//   expect export "FILE.csv" matches trace    the file holds the table, field by field
//   expect export "FILE.pdf" contains "t"     pdftotext finds the text in it
#include "tests/runner/scenario.h"

#include "tests/runner/drawn.h"

#include "framework/form.h"
#include "shell/desk_check.h"
#include "shell/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <QTableView>

#include <sys/resource.h>

namespace scenario {

namespace {

// Where the files a scenario exports go: MATRAVEL_EXPORTS (the test suite names a folder in its
// build tree), or the file's own path.
QString exportPath(const QString& file)
{
    const QString folder = qEnvironmentVariable("MATRAVEL_EXPORTS");
    if (folder.isEmpty())
        return file;
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + QFileInfo(file).fileName();
}

QString quotedList(const QStringList& texts)
{
    QStringList q;
    for (const QString& t : texts)
        q << quoted(t);
    return q.join(QLatin1Char(' '));
}

// The fields of a CSV text: ';' between them, '"' around those that need it.
bool parseCsv(const QString& text, std::vector<QStringList>& rows)
{
    QStringList fields;
    QString field;
    bool inQuotes = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += c, ++i;
            else if (c == QLatin1Char('"'))
                inQuotes = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(';')) {
            fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            fields << field;
            field.clear();
            rows.push_back(fields);
            fields.clear();
        } else {
            field += c;
        }
    }
    return !inQuotes && field.isEmpty() && fields.isEmpty();
}

}  // namespace

bool Runner::deskCheckCommand(int number, const QString& line, const QStringList& w)
{
    const QString& cmd = w[0];
    auto usage = [&](const char* form) { fail(number, line, QStringLiteral("usage: %1").arg(QLatin1String(form))); };
    auto check = [&](bool ok, const QString& expected, const QString& got) { verdict(number, line, ok, expected, got); };
    framework::Form* active = main_->activeProblem();
    // Made only for the commands that read it, as the program makes it only when asked.
    const auto deskCheck = [this] { return main_->deskCheck(); };

    if (cmd == QLatin1String("trace")) {
        bool ok = false;
        const int row = w.size() == 3 && w[1] == QLatin1String("go") ? w[2].toInt(&ok) : -1;
        if (!ok)
            return usage("trace go K"), true;
        if (!active)
            return fail(number, line, QStringLiteral("no problem window is active")), true;
        shell::DeskCheck* desk = deskCheck();
        if (row > desk->rows())
            return fail(number, line, QStringLiteral("the desk check has %1 rows").arg(desk->rows())), true;
        desk->choose(row);
        return true;
    }
    if (cmd == QLatin1String("snapshot")) {
        if (w.size() != 2)
            return usage("snapshot NAME"), true;
        if (!active)
            return fail(number, line, QStringLiteral("no problem window is active")), true;
        snapshots_[w[1]] = {active->objectName(), framework::WindowState::of(*active)};
        return true;
    }
    if (cmd == QLatin1String("zoom")) {
        bool ok = false;
        const int percent = w.size() == 2 ? w[1].toInt(&ok) : 0;
        if (!ok)
            return usage("zoom PERCENT"), true;
        main_->setZoom(percent);
        if (main_->zoom() != percent)
            fail(number, line, QStringLiteral("no zoom of %1 %").arg(percent));
        return true;
    }
    if (cmd == QLatin1String("play") || cmd == QLatin1String("stop")) {
        main_->setPlaying(cmd == QLatin1String("play"));
        return true;
    }
    if (cmd == QLatin1String("export")) {
        const bool fails = w.size() == 3 && w[2] == QLatin1String("fails");
        if (w.size() != 2 && !fails)
            return usage("export \"FILE.csv\" | export \"FILE.pdf\" [fails]"), true;
        QString why;
        const bool written = main_->exportDeskCheck(exportPath(w[1]), &why);
        if (fails)
            return check(!written && !why.isEmpty(), QStringLiteral("a failure with its reason"),
                         written ? QStringLiteral("written") : QStringLiteral("no reason")), true;
        if (!written)
            fail(number, line, QStringLiteral("cannot export to %1: %2").arg(exportPath(w[1]), why));
        return true;
    }
    if (cmd == QLatin1String("limit")) {
        // A file-size limit on the program, as a full disk would stop it.
        bool ok = false;
        const qint64 bytes = w.size() == 3 && w[1] == QLatin1String("filesize") ? w[2].toLongLong(&ok) : 0;
        if (!ok)
            return usage("limit filesize BYTES"), true;
        rlimit most{};
        getrlimit(RLIMIT_FSIZE, &most);
        most.rlim_cur = bytes > 0 ? rlim_t(bytes) : most.rlim_max;
        if (setrlimit(RLIMIT_FSIZE, &most) != 0)
            fail(number, line, QStringLiteral("cannot limit the size of files"));
        return true;
    }
    if (cmd == QLatin1String("dialog"))
        return dialogCommand(number, line, w), true;
    if (cmd != QLatin1String("expect") || w.size() < 3)
        return false;

    if (w[1] == QLatin1String("trace")) {
        const QString& what = w[2];
        const shell::DeskCheck* desk = deskCheck();
        if (what == QLatin1String("columns"))
            return check(desk->columns() == w.mid(3), quotedList(w.mid(3)), quotedList(desk->columns())), true;
        if (what == QLatin1String("rows") && w.size() == 4)
            return check(QString::number(desk->rows()) == w[3], w[3], QString::number(desk->rows())), true;
        if (what == QLatin1String("fits") && w.size() == 3) {
            const QStringList problems = traceFitProblems(desk->table(), main_.get());
            return check(problems.isEmpty(), QStringLiteral("every heading and cell in view whole"), problems.join(QStringLiteral("; "))), true;
        }
        if (what == QLatin1String("shown") && w.size() == 5) {
            bool ok = false;
            const int row = w[3].toInt(&ok);
            if (!ok || (w[4] != QLatin1String("yes") && w[4] != QLatin1String("no")))
                return usage("expect trace shown K yes|no"), true;
            const bool shown = traceRowShown(desk->table(), row - 1);
            return check(shown == (w[4] == QLatin1String("yes")), w[4], shown ? QStringLiteral("yes") : QStringLiteral("no")), true;
        }
        if (what == QLatin1String("agrees") && w.size() == 3) {
            // The window followed shows the step chosen, as it was recorded.
            framework::Form* form = desk->form();
            if (!form || form->run()->steps() == 0)
                return check(true, {}, {}), true;
            // What is typed in a box since is the student's, not the step's.
            framework::WindowState step = form->run()->stateOf(desk->selected()), now = framework::WindowState::of(*form);
            for (size_t i = 0; i < form->controls().size() && i < step.controls.size(); ++i)
                if (qobject_cast<QLineEdit*>(form->controls()[i]))
                    step.controls[i].text = now.controls[i].text;
            return check(now.sameContent(step), QStringLiteral("the step chosen"),
                         QStringLiteral("these differ: ") + now.differences(step, *form).join(QStringLiteral(", "))), true;
        }
        if (what == QLatin1String("selected") && w.size() == 4)
            return check(QString::number(desk->selected()) == w[3], w[3], QString::number(desk->selected())), true;
        if (what == QLatin1String("row") && w.size() >= 4) {
            bool ok = false;
            const int row = w[3].toInt(&ok);
            if (!ok)
                return usage("expect trace row K \"t\" ... | expect trace row K says \"t\""), true;
            QStringList fields = desk->row(row);
            if (fields.isEmpty())
                return fail(number, line, QStringLiteral("the desk check has %1 rows").arg(desk->rows())), true;
            const QString said = fields.takeLast();
            if (w.size() == 6 && w[4] == QLatin1String("says"))
                return check(said == w[5], quoted(w[5]), quoted(said)), true;
            return check(fields == w.mid(4), quotedList(w.mid(4)), quotedList(fields)), true;
        }
        return usage("expect trace columns|rows|row|selected ..."), true;
    }
    if (w[1] == QLatin1String("export") && w.size() >= 5) {
        const QString file = exportPath(w[2]);
        QFile in(file);
        if (!QFileInfo(file).isFile() || !in.open(QIODevice::ReadOnly))
            return fail(number, line, QStringLiteral("cannot read %1").arg(file)), true;
        // No export holds more than this: a link to an endless device is not read to its end.
        constexpr qint64 kMost = 64 * 1024 * 1024;
        QByteArray bytes = in.read(kMost + 1);
        if (bytes.size() > kMost)
            return fail(number, line, QStringLiteral("%1 is larger than any export").arg(file)), true;
        if (w[3] == QLatin1String("matches") && w[4] == QLatin1String("trace")) {
            if (!bytes.startsWith("\xEF\xBB\xBF"))
                return fail(number, line, QStringLiteral("%1 has no UTF-8 byte-order mark").arg(file)), true;
            auto decode = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString text = decode(bytes.mid(3));
            if (decode.hasError())
                return fail(number, line, QStringLiteral("%1 is not UTF-8").arg(file)), true;
            std::vector<QStringList> rows;
            if (!parseCsv(text, rows))
                return fail(number, line, QStringLiteral("%1 is not CSV: a quote is not closed or the last line has no end").arg(file)), true;
            // Field by field against what the table on screen shows, the step first.
            const QAbstractItemModel* table = deskCheck()->table()->model();
            const int tableRows = table ? table->rowCount() : 0;
            QStringList differences;
            if (int(rows.size()) != tableRows + 1)
                differences << QStringLiteral("%1 lines for %2 rows and the headings").arg(rows.size()).arg(tableRows);
            for (int r = 0; r < int(rows.size()) && r <= tableRows; ++r) {
                QStringList shown{r == 0 ? QStringLiteral("Passo") : table->headerData(r - 1, Qt::Vertical).toString()};
                for (int c = 0; table && c < table->columnCount(); ++c)
                    shown << (r == 0 ? table->headerData(c, Qt::Horizontal).toString()
                                     : table->index(r - 1, c).data().toString());
                if (rows[size_t(r)] != shown)
                    differences << QStringLiteral("line %1: %2, the table shows %3")
                                       .arg(r + 1).arg(quotedList(rows[size_t(r)]), quotedList(shown));
            }
            return check(differences.isEmpty(), QStringLiteral("the table"), differences.join(QStringLiteral("; "))), true;
        }
        if (w[3] == QLatin1String("contains") && w.size() == 5) {
            in.close();
        QProcess pdftotext;
            // In the order it is drawn: a sentence wrapped in its cell reads on as one.
            pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")});
            if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
                return fail(number, line, QStringLiteral("pdftotext could not read %1").arg(file)), true;
            const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
            return check(text.contains(w[4].simplified()), quoted(w[4]), quoted(text.left(300))), true;
        }
        return usage("expect export \"FILE.csv\" matches trace | expect export \"FILE.pdf\" contains \"t\""), true;
    }
    if (w[1] == QLatin1String("dialog") && w.size() == 4 && w[2] == QLatin1String("button")) {
        QWidget* box = openDialog();
        QStringList buttons;
        for (QAbstractButton* b : box ? box->findChildren<QAbstractButton*>() : QList<QAbstractButton*>())
            if (b->isVisible() && !b->text().isEmpty())
                buttons << QString(b->text()).remove(QLatin1Char('&'));
        return check(buttons.contains(w[3]), quoted(w[3]), box ? quotedList(buttons) : QStringLiteral("no dialog")), true;
    }
    if (w[1] == QLatin1String("file") && w.size() == 5 && w[3] == QLatin1String("kind")) {
        QFile in(exportPath(w[2]));
        if (!QFileInfo(in.fileName()).isFile() || !in.open(QIODevice::ReadOnly))
            return fail(number, line, QStringLiteral("no file %1").arg(in.fileName())), true;
        const QByteArray head = in.read(16);
        const QString kind = head.startsWith("%PDF-")               ? QStringLiteral("pdf")
                             : head.startsWith("\xEF\xBB\xBFPasso;") ? QStringLiteral("csv")
                                                                    : QStringLiteral("neither csv nor pdf");
        return check(kind == w[4], w[4], kind), true;
    }
    if (w.size() == 4 && w[2] == QLatin1String("matches")) {
        const auto it = snapshots_.find(w[3]);
        if (it == snapshots_.end())
            return fail(number, line, QStringLiteral("no snapshot %1").arg(w[3])), true;
        auto form = qobject_cast<framework::Form*>(findForm(w[1]));
        if (!form)
            return fail(number, line, QStringLiteral("no form %1").arg(w[1])), true;
        if (it->second.first != form->objectName())
            return fail(number, line, QStringLiteral("%1 is a snapshot of %2").arg(w[3], it->second.first)), true;
        const QStringList differ = framework::WindowState::of(*form).differences(it->second.second, *form);
        return check(differ.isEmpty(), QStringLiteral("the window as in %1").arg(w[3]),
                     QStringLiteral("these differ: ") + differ.join(QStringLiteral(", "))), true;
    }
    return false;
}

QWidget* Runner::openDialog() const
{
    // The box that asks before a file is replaced comes over the dialog that chose it.
    for (const char* name : {"SubstituirArquivo", "DialogoExportar"})
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
    return nullptr;
}

// The dialog of "Exportar teste de mesa...", as a student uses it:
//   dialog filter "TEXT"     chooses the kind of file whose caption holds TEXT
//   dialog name "F"          types the file's name (in MATRAVEL_EXPORTS, where it names a folder)
//   dialog accept            the default button: "Salvar", then "Sim" when asked to replace
//   dialog cancel
void Runner::dialogCommand(int number, const QString& line, const QStringList& w)
{
    QWidget* box = openDialog();
    if (!box)
        return fail(number, line, QStringLiteral("no dialog is open"));
    auto files = qobject_cast<QFileDialog*>(box);
    const QString what = w.value(1);
    if (what == QLatin1String("filter") && w.size() == 3 && files) {
        for (const QString& kind : files->nameFilters())
            if (kind.contains(w[2])) {
                files->selectNameFilter(kind);
                return settle();
            }
        return fail(number, line, QStringLiteral("no kind %1 among %2").arg(quoted(w[2]), quotedList(files->nameFilters())));
    }
    if (what == QLatin1String("name") && w.size() == 3 && files) {
        const QString path = exportPath(w[2]);
        files->setDirectory(QFileInfo(path).absolutePath());
        if (auto name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(QFileInfo(path).fileName());
        return settle();
    }
    if (what == QLatin1String("accept") && w.size() == 2) {
        if (auto ask = qobject_cast<QMessageBox*>(box))
            ask->defaultButton()->click();
        else if (auto buttons = files->findChild<QDialogButtonBox*>())
            buttons->button(QDialogButtonBox::Save)->click();
        return settle();
    }
    if (what == QLatin1String("cancel") && w.size() == 2) {
        if (auto dialog = qobject_cast<QDialog*>(box))
            dialog->reject();
        return settle();
    }
    fail(number, line, QStringLiteral("usage: dialog filter \"TEXT\" | dialog name \"F\" | dialog accept | dialog cancel"));
}

}  // namespace scenario
