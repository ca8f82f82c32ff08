#include "framework/application.h"
#include "shell/main_window.h"

int main(int argc, char** argv)
{
    framework::Application app(argc, argv);
    framework::useSystemLocale();
    shell::Zarpa01 window;
    window.show();
    return app.exec();
}
