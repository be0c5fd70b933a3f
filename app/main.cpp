#include "app/Application.h"
#include "app/UDm.h"
#include "app/UPrincipal.h"

#include <cstdio>

int main(int argc, char** argv)
{
#if defined(Q_OS_LINUX)
    // Without a display Qt would abort with a platform plugin error; say what to do instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("Sem tela gráfica (DISPLAY vazio): rode sob xvfb-run, por exemplo "
                   "'xvfb-run -a scripts/demo.sh'.\n",
                   stderr);
        return 2;
    }
#endif
    TApplication app(argc, argv);
    DM = new TDM(&app);
    DM->DataModuleCreate();
    FrmPrincipal = new TFrmPrincipal;
    FrmPrincipal->setAttribute(Qt::WA_DeleteOnClose);
    FrmPrincipal->show();
    return app.exec();
}
