#include "problems/plots.h"

namespace problems {

namespace {
struct Entry {
    const char* form;  // UTF-8
    framework::PlotDescription plot;
};
const Entry kPlots[] = {
    {"Sistema", plotLinearSystem},
    {"Salário", plotSalary},
    {"Equação_Reta", plotLine},
    {"EquaçãoReta", plotLine},
    {"Intervalo", plotFunctionTable},
    {"Soma_Dígitos", plotDigitSum},
    {"Cálculo_de_S", plotSeriesS},
    {"Altura_Bola", plotBouncingBall},
    {"Trocas_selos", plotStamps},
    {"X_Mod123", plotCongruencesSteps},
    {"XMOD123", plotCongruencesSearch},
    {"Número_perfeito", plotPerfectNumbers},
    {"Maior_Menor_3", plotLargestSmallest},
};
}  // namespace

framework::PlotDescription plotOf(const QString& formName)
{
    for (const Entry& e : kPlots)
        if (formName == QString::fromUtf8(e.form))
            return e.plot;
    return nullptr;
}

}  // namespace problems
