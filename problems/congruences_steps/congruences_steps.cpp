#include "problems/congruences_steps/congruences_steps.h"

#include "problems/problems.h"

#include <QGroupBox>
#include <QPushButton>

namespace problems {

using namespace framework;

XMod123Form::XMod123Form()
    : Form(QStringLiteral("X_Mod123"), QStringLiteral("Inteiro dividido por 2,3 & 4 ( Versão 1)"), 10425, 8595)
{
    // Made in this order, so the frames lie over the summary page and the buttons over all.
    buildInputStrip();
    buildSummaryPage();
    buildMdcFrame();
    buildModFrame();
    buildButtons();
    setUpTabOrder();

    // A run-time error leaves `running_` set, so that afterRuntimeError knows the stage.
    auto stage = [this](Stage which, void (XMod123Form::*handler)()) {
        return [this, which, handler] {
            running_ = which;
            (this->*handler)();
            running_ = Stage::None;
        };
    };
    onClick(Cmd_Calc_MDC_, stage(Stage::Mdc, &XMod123Form::Cmd_Calc_MDC_Click));
    onClick(Cmd_Calc_MOD_, stage(Stage::Mod, &XMod123Form::Cmd_Calc_MOD_Click));
    onClick(Cmd_Next_, stage(Stage::None, &XMod123Form::Cmd_Next_Click));
    onClick(Cmd_Final_, stage(Stage::Final, &XMod123Form::Cmd_Final_Click));
    guarded([this] { Form_Load(); });
    layOut();
}

void XMod123Form::Form_Load()
{
    firstTime_ = true;
    Cmd_Next_->hide();
    Cmd_Calc_MOD_->hide();
    Cmd_Final_->hide();
    Frame_MDC_->show();
}

// The window has no new-calculation command of its own; after a division by zero or an
// overflow, the button of the stage stays offered so the student can correct the boxes and
// go again:
// - in stage (i) the next "Calculo_MDC" click starts the stage over from the boxes;
// - in stage (ii) "Calculo_MOD" already redoes the whole stage from the boxes;
// - stage (iii) works from what stage (ii) found, so it goes back to "Calculo_MOD".
void XMod123Form::afterRuntimeError()
{
    switch (running_) {
    case Stage::Mdc:
        restartMdc_ = true;
        break;
    case Stage::Final:
        Cmd_Final_->hide();
        Frame_MOD_->show();
        Cmd_Calc_MOD_->show();
        Cmd_Calc_MOD_->setFocus();
        break;
    case Stage::Mod:
    case Stage::None:
        break;
    }
    running_ = Stage::None;
    // Whatever the interrupted click wrote stands clear of its neighbours.
    layOut();
}

framework::Form* createCongruencesSteps() { return new XMod123Form(); }

}  // namespace problems
