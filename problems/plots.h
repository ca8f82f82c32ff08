#pragma once
// The plot of each problem window (each made by its own folder, <role>_plot.cpp), by form name:
// the plot panel and the PDF ask here, so that neither knows any problem.
#include "framework/plot.h"

#include <QString>

namespace problems {
// The plot description of the window of that form name, or null when it has none.
framework::PlotDescription plotOf(const QString& formName);

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
}  // namespace problems
