#include "shell/about_form.h"

#include "shell/artwork.h"

#include <QLabel>
#include <QPushButton>

namespace shell {

using namespace framework;

AboutForm::AboutForm() : Form(QStringLiteral("AboutForm"), QStringLiteral("Sobre Matravel"), 5730, 2505)
{
    setBackColor(this, ole::Blue);
    setWindowIcon(programIcon());
    addPainted(QStringLiteral("Image1"), {0, 0, 5610, 2490}, paintTitlePicture);
    // The version line ends at the window's right edge, so that no letter of it is cut off.
    auto version = addLabel(QStringLiteral("Label1"), QStringLiteral("Versão 1.1 (2002)"),
                            {4200, 1800, 1530, 735}, Pt135Bold, ole::ButtonText);
    setBackColor(version, ole::Blue);
    auto ok = addButton(QStringLiteral("CmdSair"), QStringLiteral("Ok"), {2520, 2040, 1095, 375}, Pt12Bold);
    setBackColor(ok, ole::LightGreen);
    ok->setToolTip(QStringLiteral("Obrigado !!!"));
    setTabOrder({ok});
    onClick(ok, [this] { CmdSair_Click(); });
}

void AboutForm::CmdSair_Click()
{
    setStatusText(QStringLiteral(" "));
    // Closing runs the closing handler and destroys the window.
    if (QWidget* frame = parentWidget())
        frame->close();
    else
        close();
}

void AboutForm::unload() { setStatusText(QStringLiteral(" ")); }

}  // namespace shell
