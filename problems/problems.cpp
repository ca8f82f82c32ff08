#include "problems/problems.h"

#include <QString>
#include <Qt>

namespace problems {

// Each window is made by its own folder.
framework::Form* createLinearSystem();       // Sistema
framework::Form* createSalary();             // Salário
framework::Form* createLineByDeterminant();  // Equação_Reta
framework::Form* createLineSecondMethod();   // EquaçãoReta
framework::Form* createFunctionTable();      // Intervalo
framework::Form* createDigitSum();           // Soma_Dígitos
framework::Form* createSeriesS();            // Cálculo_de_S
framework::Form* createBouncingBall();       // Altura_Bola
framework::Form* createStamps();             // Trocas_selos
framework::Form* createCongruencesSteps();   // X_Mod123
framework::Form* createCongruencesSearch();  // XMOD123
framework::Form* createPerfectNumbers();     // Número_perfeito
framework::Form* createLargestSmallest();    // Maior_Menor_3

// And each draws the picture of its run in its own folder (<role>_plot.cpp).
framework::Plot plotLinearSystem(const framework::PlotSource& source);
framework::Plot plotSalary(const framework::PlotSource& source);
framework::Plot plotLine(const framework::PlotSource& source);  // both line windows
framework::Plot plotFunctionTable(const framework::PlotSource& source);
framework::Plot plotDigitSum(const framework::PlotSource& source);
framework::Plot plotSeriesS(const framework::PlotSource& source);
framework::Plot plotBouncingBall(const framework::PlotSource& source);
framework::Plot plotStamps(const framework::PlotSource& source);
framework::Plot plotCongruencesSteps(const framework::PlotSource& source);
framework::Plot plotCongruencesSearch(const framework::PlotSource& source);
framework::Plot plotPerfectNumbers(const framework::PlotSource& source);
framework::Plot plotLargestSmallest(const framework::PlotSource& source);

namespace {

const Submenu Reta{"Mnu03", "Equação da reta"};
const Submenu Nove{"Mnu09", "Valor de X, resto 3,5,7"};

const char* const Problem03 =
    "Problema 03: Dadas as coordenadas de dois pontos no plano, encontre a equação da reta que passa sobre elas";
const char* const Problem09 =
    "Problema 09: Imprimir o menor número inteiro que dividido por 3, 2 e 5 deixa restos 3,5,7 respectivamente";

// XMOD123 stays on screen when another problem is chosen.
const Problem Problems[] = {
    {"Mnu01", "Sistema de Equação", Qt::Key_F1, nullptr, "Sistema", createLinearSystem,
     "Problema 01: Determinar a solução do sistema, dadas as incógnitas  x e y", 7,
     "Sistema", "p01", plotLinearSystem},
    {"Mnu02", "Salário Reajustado", Qt::Key_F2, nullptr, "Salário", createSalary,
     "Problema 02: Calcular o salário reajustado de um funcionário de uma empresa", 6,
     "Calcule de reajuste salarial", "p02", plotSalary},
    {"MnuReta1", "Equação Reta 1", 0, &Reta, "Equação_Reta", createLineByDeterminant, Problem03, 3,
     "Equação da reta", "p03a", plotLine},
    {"MnuReta2", "Equação Reta 2", 0, &Reta, "EquaçãoReta", createLineSecondMethod, Problem03, 4,
     "Equação Da reta ( versão 2 )", "p03b", plotLine},
    {"Mnu04", "Função no intervalo", Qt::Key_F4, nullptr, "Intervalo", createFunctionTable,
     "Problema 04: Imprimir a tabela de valores da função f no intervalo fechado dado", 5,
     "Intevalo_Fechado", "p04", plotFunctionTable},
    {"Mnu05", "Soma dos dígitos", Qt::Key_F5, nullptr, "Soma_Dígitos", createDigitSum,
     "Problema 05: Dado um número inteiro qualquer, escreva a soma de seus dígitos ", 8,
     "Soma_Dígitos", "p05", plotDigitSum},
    {"Mnu06", "Cálculo do valor de \"S\"", Qt::Key_F6, nullptr, "Cálculo_de_S", createSeriesS,
     "Problema 06: Calcular o valor de S, para valores de X (real) e n(inteiros) dados S= X - X^2/2! (+ ou -)X^n/n!", 2,
     "Cálculo de S", "p06", plotSeriesS},
    {"Mnu07", "Calcular altura da bola", Qt::Key_F7, nullptr, "Altura_Bola", createBouncingBall,
     "Problema 07: Uma Bola é Jogada de certa altura. Qual opercurso total que a bola faz e quantas vezes toca no chão "
     "antes de parar",
     1,
     "Altura da Bola", "p07", plotBouncingBall},
    {"Mnu08", "Trocar real por selos", Qt::Key_F8, nullptr, "Trocas_selos", createStamps,
     "Problema 08: Dada certa quantia em R$, trocá-la por selos de 3 e 5 centavos com menor número de selos, sem "
     "sobrar dinheiro",
     9,
     "Trocas de reais por selos de 3 e 5 centavos", "p08", plotStamps},
    {"Mnu10", "Número Perfeito", Qt::Key_F11, nullptr, "Número_perfeito", createPerfectNumbers,
     "Problema 09: Encontre os números perfeitos até 999", 12,
     "Número Perfeito", "p10", plotPerfectNumbers},
    {"Mnu_Método1", "Método 1", 0, &Nove, "X_Mod123", createCongruencesSteps, Problem09, 10,
     "Inteiro dividido por 2,3 & 4 ( Versão 1)", "p09a", plotCongruencesSteps},
    {"Mnu_Método2", "Método 2", 0, &Nove, "XMOD123", createCongruencesSearch, Problem09, 0,
     "Inteiro dividido por 2,3 & 4 ( Versão 2 )", "p09b", plotCongruencesSearch},
    {"MnuMaiorMen", "Maior_Menor_3", Qt::Key_F12, nullptr, "Maior_Menor_3", createLargestSmallest,
     "Problema 11: Dados três números inteiros, informar o maior e menor dentre eles", 11,
     "Maior_menor_3", "p11", plotLargestSmallest},
};

}  // namespace

std::span<const Problem> all() { return Problems; }

framework::PlotDescription plotOf(const QString& formName)
{
    for (const Problem& p : Problems)
        if (formName == QString::fromUtf8(p.form))
            return p.plot;
    return nullptr;
}

}  // namespace problems
