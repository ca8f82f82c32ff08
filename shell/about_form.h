#pragma once
#include "framework/form.h"

namespace shell {

// The title card: a picture, the version line and "Ok".
class AboutForm : public framework::Form {
    Q_OBJECT
public:
    AboutForm();

protected:
    void unload() override;

private:
    void CmdSair_Click();
};

}  // namespace shell
