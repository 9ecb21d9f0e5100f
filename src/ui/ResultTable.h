#pragma once

#include <string>
#include <vector>

#include "calc/CalculationData.h"
#include "ui/CGridCtrl.h"

class Dialog;

// The result table of the main dialog (list control 1002): a numbered row per result, an empty row, then
// the row "Всего" with the six sums. It shows what the calculation gave; nothing is computed here.
class ResultTable {
public:
    // Takes over list control 1002 of the dialog: its style and its eight columns.
    void Attach(Dialog& dialog);
    void Fill(const CalculationData& calculation);
    CGridCtrl& Grid() { return grid_; }

private:
    void FillRows(const CalculationData& calculation);
    void AppendRow(const std::vector<std::wstring>& cells);

    CGridCtrl grid_;
};
