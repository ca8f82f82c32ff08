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
//   dialog filter|name|accept|cancel    the export dialog (see Runner::dialog)
//   expect dialog button "T"            the open dialog shows a button "T"
//   expect file "F" kind csv|pdf        the file is a whole export of that kind
//   expect export "FILE.csv" matches trace    the file holds the table, field by field
//   expect export "FILE.pdf" contains "t"     pdftotext finds the text in it (a CSV: the text)
//   predict "v1" ... | predict skip     with a prediction waiting: writes these values into its
//                                       cells and confirms (Enter), or shows the step unpredicted (Esc)
//   expect prediction open yes|no       a prediction row waits
//   expect prediction score R T         "Acertos: R de T"
//   expect trace row K predicted "v1" ...   what was predicted in row K
//   expect trace row K marked right|wrong ...  the mark of each value of row K
//   expect plot shown yes|no            the plot panel ("Gráfico") on screen
//   expect plot points N                the points of its main series
//   expect plot point K "x" "y"         the K-th of them (1: the first), as the desk check writes them
//   expect plot marked K                the point of the step shown (0: none)
//   expect plot fits                    its texts whole, none over another, all inside it
#include "tests/runner/scenario.h"

#include "tests/runner/drawn.h"

#include "framework/form.h"
#include "shell/desk_check.h"
#include "shell/main_window.h"
#include "shell/plot_view.h"
#include "shell/prediction.h"

#include "framework/trace_model.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
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

void Runner::trace(const Line& l)
{
    bool ok = false;
    const int row = l.w.size() == 3 && l.w[1] == QLatin1String("go") ? l.w[2].toInt(&ok) : -1;
    if (!ok)
        return usage(l);
    if (!main_->activeProblem())
        return fail(l, QStringLiteral("no problem window is active"));
    shell::DeskCheck* desk = main_->deskCheck();
    if (row > desk->rows())
        return fail(l, QStringLiteral("the desk check has %1 rows").arg(desk->rows()));
    desk->choose(row);
}

void Runner::snapshot(const Line& l)
{
    if (l.w.size() != 2)
        return usage(l);
    framework::Form* active = main_->activeProblem();
    if (!active)
        return fail(l, QStringLiteral("no problem window is active"));
    snapshots_[l.w[1]] = {active->objectName(), framework::WindowState::of(*active)};
}

void Runner::zoom(const Line& l)
{
    bool ok = false;
    const int percent = l.w.size() == 2 ? l.w[1].toInt(&ok) : 0;
    if (!ok)
        return usage(l);
    main_->setZoom(percent);
    if (main_->zoom() != percent)
        fail(l, QStringLiteral("no zoom of %1 %").arg(percent));
}

void Runner::play(const Line& l) { main_->setPlaying(l.w[0] == QLatin1String("play")); }

void Runner::exportDeskCheck(const Line& l)
{
    const bool fails = l.w.size() == 3 && l.w[2] == QLatin1String("fails");
    if (l.w.size() != 2 && !fails)
        return usage(l);
    QString why;
    const bool written = main_->exportDeskCheck(exportPath(l.w[1]), &why);
    if (fails)
        return verdict(l, !written && !why.isEmpty(), QStringLiteral("a failure with its reason"),
                       written ? QStringLiteral("written") : QStringLiteral("no reason"));
    if (!written)
        fail(l, QStringLiteral("cannot export to %1: %2").arg(exportPath(l.w[1]), why));
}

void Runner::limit(const Line& l)
{
    // A file-size limit on the program, as a full disk would stop it.
    bool ok = false;
    const qint64 bytes = l.w.size() == 3 && l.w[1] == QLatin1String("filesize") ? l.w[2].toLongLong(&ok) : 0;
    if (!ok)
        return usage(l);
    rlimit most{};
    getrlimit(RLIMIT_FSIZE, &most);
    most.rlim_cur = bytes > 0 ? rlim_t(bytes) : most.rlim_max;
    if (setrlimit(RLIMIT_FSIZE, &most) != 0)
        fail(l, QStringLiteral("cannot limit the size of files"));
}

void Runner::expectTrace(const Line& l)
{
    const QStringList& w = l.w;
    if (w.size() < 3)
        return usage(l);
    const QString& what = w[2];
    // Made only for the checks that read it, as the program makes it only when asked.
    const shell::DeskCheck* desk = main_->deskCheck();
    if (what == QLatin1String("columns"))
        return verdict(l, desk->columns() == w.mid(3), quotedList(w.mid(3)), quotedList(desk->columns()));
    if (what == QLatin1String("rows") && w.size() == 4)
        return verdict(l, QString::number(desk->rows()) == w[3], w[3], QString::number(desk->rows()));
    if (what == QLatin1String("fits") && w.size() == 3) {
        const QStringList problems = traceFitProblems(desk->table(), main_.get());
        return verdict(l, problems.isEmpty(), QStringLiteral("every heading and cell in view whole"), problems.join(QStringLiteral("; ")));
    }
    if (what == QLatin1String("shown") && w.size() == 5) {
        bool ok = false;
        const int row = w[3].toInt(&ok);
        if (!ok || (w[4] != QLatin1String("yes") && w[4] != QLatin1String("no")))
            return usage(l);
        const bool shown = traceRowShown(desk->table(), row - 1);
        return verdict(l, shown == (w[4] == QLatin1String("yes")), w[4], shown ? QStringLiteral("yes") : QStringLiteral("no"));
    }
    if (what == QLatin1String("agrees") && w.size() == 3) {
        // The window followed shows the step chosen, as it was recorded.
        framework::Form* form = desk->form();
        if (!form || form->run()->steps() == 0)
            return verdict(l, true, {}, {});
        // What is typed in a box since is the student's, not the step's.
        framework::WindowState step = form->run()->stateOf(desk->selected()), now = framework::WindowState::of(*form);
        for (size_t i = 0; i < form->controls().size() && i < step.controls.size(); ++i)
            if (qobject_cast<QLineEdit*>(form->controls()[i]))
                step.controls[i].text = now.controls[i].text;
        return verdict(l, now.sameContent(step), QStringLiteral("the step chosen"),
                       QStringLiteral("these differ: ") + now.differences(step, *form).join(QStringLiteral(", ")));
    }
    if (what == QLatin1String("selected") && w.size() == 4)
        return verdict(l, QString::number(desk->selected()) == w[3], w[3], QString::number(desk->selected()));
    if (what == QLatin1String("row") && w.size() >= 4) {
        bool ok = false;
        const int row = w[3].toInt(&ok);
        if (!ok)
            return usage(l);
        QStringList fields = desk->row(row);
        if (fields.isEmpty())
            return fail(l, QStringLiteral("the desk check has %1 rows").arg(desk->rows()));
        const QString said = fields.takeLast();
        const framework::TraceModel::Prediction* p = desk->model()->prediction(row - 1);
        if (w[4] == QLatin1String("predicted"))
            return verdict(l, p && p->values == w.mid(5), quotedList(w.mid(5)), p ? quotedList(p->values) : QStringLiteral("not predicted"));
        if (w[4] == QLatin1String("marked")) {
            QStringList marks;
            for (size_t c = 0; p && c < p->right.size(); ++c)
                marks << (p->right[c] ? QStringLiteral("right") : QStringLiteral("wrong"));
            return verdict(l, p && marks == w.mid(5), w.mid(5).join(QLatin1Char(' ')), p ? marks.join(QLatin1Char(' ')) : QStringLiteral("not predicted"));
        }
        if (w.size() == 6 && w[4] == QLatin1String("says"))
            return verdict(l, said == w[5], quoted(w[5]), quoted(said));
        return verdict(l, fields == w.mid(4), quotedList(w.mid(4)), quotedList(fields));
    }
    usage(l);
}

void Runner::expectPlot(const Line& l)
{
    const QStringList& w = l.w;
    if (w.size() < 3)
        return usage(l);
    const QString& what = w[2];
    const auto yesNo = [](bool on) { return on ? QStringLiteral("yes") : QStringLiteral("no"); };
    if (what == QLatin1String("shown") && w.size() == 4 && (w[3] == QLatin1String("yes") || w[3] == QLatin1String("no"))) {
        QAction* item = main_->menuItem(QStringLiteral("MnuGrafico"));
        const bool shown = main_->plotPanel()->isVisible();
        if (item && item->isChecked() != shown)
            return fail(l, QStringLiteral("the item \"Gráfico\" says %1, the panel %2").arg(yesNo(item->isChecked()), yesNo(shown)));
        return verdict(l, yesNo(shown) == w[3], w[3], yesNo(shown));
    }
    // Made only for the checks that read it, as the program makes it only when asked.
    shell::PlotPanel* plot = main_->plotPanel();
    const std::vector<framework::PlotPoint>& points = plot->plot().main();
    if (what == QLatin1String("points") && w.size() == 4)
        return verdict(l, QString::number(points.size()) == w[3], w[3], QString::number(points.size()));
    if (what == QLatin1String("marked") && w.size() == 4) {
        const QString got = QString::number(shell::markedPoint(plot->plot(), plot->shownRows()) + 1);
        return verdict(l, got == w[3], w[3], got);
    }
    if (what == QLatin1String("point") && w.size() == 6) {
        bool ok = false;
        const int k = w[3].toInt(&ok);
        if (!ok)
            return usage(l);
        if (k < 1 || k > int(points.size()))
            return fail(l, QStringLiteral("the plot has %1 points").arg(points.size()));
        const framework::PlotPoint& p = points[size_t(k - 1)];
        return verdict(l, p.xText == w[4] && p.yText == w[5], quotedList(w.mid(4)), quotedList({p.xText, p.yText}));
    }
    if (what == QLatin1String("fits") && w.size() == 3) {
        const QStringList problems = plotFitProblems(plot, main_.get());
        return verdict(l, problems.isEmpty(), QStringLiteral("every text whole and apart, inside the plot"),
                       problems.join(QStringLiteral("; ")));
    }
    usage(l);
}

void Runner::expectExport(const Line& l)
{
    const QStringList& w = l.w;
    if (w.size() < 5)
        return usage(l);
    const QString file = exportPath(w[2]);
    QFile in(file);
    if (!QFileInfo(file).isFile() || !in.open(QIODevice::ReadOnly))
        return fail(l, QStringLiteral("cannot read %1").arg(file));
    // No export holds more than this: a link to an endless device is not read to its end.
    constexpr qint64 kMost = 64 * 1024 * 1024;
    QByteArray bytes = in.read(kMost + 1);
    if (bytes.size() > kMost)
        return fail(l, QStringLiteral("%1 is larger than any export").arg(file));
    if (w[3] == QLatin1String("matches") && w[4] == QLatin1String("trace")) {
        if (!bytes.startsWith("\xEF\xBB\xBF"))
            return fail(l, QStringLiteral("%1 has no UTF-8 byte-order mark").arg(file));
        auto decode = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decode(bytes.mid(3));
        if (decode.hasError())
            return fail(l, QStringLiteral("%1 is not UTF-8").arg(file));
        std::vector<QStringList> rows;
        if (!parseCsv(text, rows))
            return fail(l, QStringLiteral("%1 is not CSV: a quote is not closed or the last line has no end").arg(file));
        // Field by field against what the table on screen shows, the step first.
        const QAbstractItemModel* table = main_->deskCheck()->table()->model();
        // The rows seen (not a row waiting for its prediction), their values without marks.
        const int tableRows = table ? main_->deskCheck()->rows() : 0;
        QStringList differences;
        // What was predicted is read with "contains"; the rest is the table's.
        if (const qsizetype predicted = rows.empty() ? -1 : rows[0].indexOf(QStringLiteral("Previsão")); predicted >= 0)
            for (QStringList& fields : rows)
                fields.removeAt(predicted);
        if (int(rows.size()) != tableRows + 1)
            differences << QStringLiteral("%1 lines for %2 rows and the headings").arg(rows.size()).arg(tableRows);
        for (int r = 0; r < int(rows.size()) && r <= tableRows; ++r) {
            QStringList shown{r == 0 ? QStringLiteral("Passo") : table->headerData(r - 1, Qt::Vertical).toString()};
            for (int c = 0; table && c < table->columnCount(); ++c)
                shown << (r == 0 ? table->headerData(c, Qt::Horizontal).toString()
                                 : table->index(r - 1, c).data(Qt::EditRole).toString());
            if (rows[size_t(r)] != shown)
                differences << QStringLiteral("line %1: %2, the table shows %3")
                                   .arg(r + 1).arg(quotedList(rows[size_t(r)]), quotedList(shown));
        }
        return verdict(l, differences.isEmpty(), QStringLiteral("the table"), differences.join(QStringLiteral("; ")));
    }
    if (w[3] == QLatin1String("contains") && w.size() == 5 && file.endsWith(QLatin1String(".csv"))) {
        const QString text = QString::fromUtf8(bytes);
        return verdict(l, text.contains(w[4]), quoted(w[4]), quoted(text.left(300)));
    }
    if (w[3] == QLatin1String("contains") && w.size() == 5) {
        in.close();
        QProcess pdftotext;
        // In the order it is drawn: a sentence wrapped in its cell reads on as one.
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")});
        if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
            return fail(l, QStringLiteral("pdftotext could not read %1").arg(file));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        return verdict(l, text.contains(w[4].simplified()), quoted(w[4]), quoted(text.left(300)));
    }
    usage(l);
}

void Runner::predict(const Line& l)
{
    if (l.w.size() < 2)
        return usage(l);
    shell::DeskCheck* desk = main_->deskCheck();
    if (!desk->prediction()->waiting())
        return fail(l, QStringLiteral("no prediction waits"));
    if (l.w.size() == 2 && l.w[1] == QLatin1String("skip")) {
        desk->skipButton()->click();
        return;
    }
    const int values = desk->columns().size() - 1;
    if (l.w.size() - 1 != values)
        return fail(l, QStringLiteral("the row has %1 values, the line gives %2").arg(values).arg(l.w.size() - 1));
    desk->predict(l.w.mid(1));
}

void Runner::expectPrediction(const Line& l)
{
    const QStringList& w = l.w;
    const shell::DeskCheck* desk = main_->deskCheck();
    if (w.size() == 4 && w[2] == QLatin1String("open") && (w[3] == QLatin1String("yes") || w[3] == QLatin1String("no"))) {
        const bool open = desk->prediction()->waiting();
        return verdict(l, open == (w[3] == QLatin1String("yes")), w[3], open ? QStringLiteral("yes") : QStringLiteral("no"));
    }
    if (w.size() == 5 && w[2] == QLatin1String("score")) {
        // As the panel's heading writes it, and as the model counts it.
        const QString want = QStringLiteral("Acertos: %1 de %2").arg(w[3], w[4]);
        const QString shown = desk->score()->isVisible() ? desk->score()->text() : QStringLiteral("no score shown");
        const framework::TraceModel* m = desk->model();
        const QString counted = m ? m->scoreText() : QString();
        return verdict(l, shown == want && counted == want, quoted(want), shown == want ? quoted(counted) : quoted(shown));
    }
    usage(l);
}

void Runner::expectDialog(const Line& l)
{
    if (l.w.size() != 4 || l.w[2] != QLatin1String("button"))
        return usage(l);
    QWidget* box = openDialog();
    QStringList buttons;
    for (QAbstractButton* b : box ? box->findChildren<QAbstractButton*>() : QList<QAbstractButton*>())
        if (b->isVisible() && !b->text().isEmpty())
            buttons << QString(b->text()).remove(QLatin1Char('&'));
    verdict(l, buttons.contains(l.w[3]), quoted(l.w[3]), box ? quotedList(buttons) : QStringLiteral("no dialog"));
}

void Runner::expectFile(const Line& l)
{
    if (l.w.size() != 5 || l.w[3] != QLatin1String("kind"))
        return usage(l);
    QFile in(exportPath(l.w[2]));
    if (!QFileInfo(in.fileName()).isFile() || !in.open(QIODevice::ReadOnly))
        return fail(l, QStringLiteral("no file %1").arg(in.fileName()));
    const QByteArray head = in.read(16);
    const QString kind = head.startsWith("%PDF-")               ? QStringLiteral("pdf")
                         : head.startsWith("\xEF\xBB\xBFPasso;") ? QStringLiteral("csv")
                                                                : QStringLiteral("neither csv nor pdf");
    verdict(l, kind == l.w[4], l.w[4], kind);
}

void Runner::expectMatches(const Line& l)
{
    if (l.w.size() != 4)
        return usage(l);
    const auto it = snapshots_.find(l.w[3]);
    if (it == snapshots_.end())
        return fail(l, QStringLiteral("no snapshot %1").arg(l.w[3]));
    framework::Form* form = formOf(l);
    if (!form)
        return;
    if (it->second.first != form->objectName())
        return fail(l, QStringLiteral("%1 is a snapshot of %2").arg(l.w[3], it->second.first));
    const QStringList differ = framework::WindowState::of(*form).differences(it->second.second, *form);
    verdict(l, differ.isEmpty(), QStringLiteral("the window as in %1").arg(l.w[3]),
            QStringLiteral("these differ: ") + differ.join(QStringLiteral(", ")));
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
void Runner::dialog(const Line& l)
{
    const QStringList& w = l.w;
    QWidget* box = openDialog();
    if (!box)
        return fail(l, QStringLiteral("no dialog is open"));
    auto files = qobject_cast<QFileDialog*>(box);
    const QString what = w.value(1);
    if (what == QLatin1String("filter") && w.size() == 3 && files) {
        for (const QString& kind : files->nameFilters())
            if (kind.contains(w[2])) {
                files->selectNameFilter(kind);
                return settle();
            }
        return fail(l, QStringLiteral("no kind %1 among %2").arg(quoted(w[2]), quotedList(files->nameFilters())));
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
    usage(l);
}

}  // namespace scenario
