#pragma once
// The thirteen problem windows, each made by its own folder.
namespace framework { class Form; }

namespace problems {
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
}  // namespace problems
