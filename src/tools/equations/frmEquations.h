#pragma once
// The equation evaluator's window: a polynomial in X typed beside "Y =", tabulated over a range of
// whole X values, drawn as a line graph, and read back as Y and the slope at one X. Closing it
// goes back to the "General" topic window.

#include "tools/equations/equations.h"
#include "ui/form.h"

#include <QStringList>

#include <vector>

class QChartView;
class QLineEdit;
class QLineSeries;
class QPushButton;
class QValueAxis;

class frmEquations : public Form {
    Q_OBJECT
  public:
    frmEquations();
    void Form_Load() override;

    void cmdOk_Click();
    void cmdCalculateY_Click();
    void cmdSlope_Click();
    void cmdClear_Click();
    void cmdCancel_Click();
    void cmdPrint_Click();
    void cmdHelp_Click();

    // The points of the last evaluation, as the graph shows them.
    const std::vector<equations::Point>& points() const { return m_points; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QLineEdit* box(int number) const;
    // The box's text as a number; a failure to read it is the box's.
    num::Single single(int number) const;
    std::int16_t integer(int number) const;
    // Gives the graph the colours of the window's palette, light, dark or high contrast.
    void colourChart();
    // Draws the table's points; the axes follow them.
    void drawChart();
    // The equation, the start and the end as the boxes hold them now.
    QStringList source() const;
    // Whether the table was made from what the boxes hold now; if not, the answer box is emptied
    // and the student is asked to press Ok.
    bool tableIsCurrent(QLineEdit* answer);
    // Writes the value into the answer box, and has a screen reader say it: the saying's %1 is
    // the X typed, %2 the value.
    void answer(int box, const QString& saying, const QString& value);

    std::vector<equations::Point> m_points;
    QStringList m_madeFrom; // source() when the table was made; empty while there is none
    QChartView* m_chart = nullptr;
    QLineSeries* m_series = nullptr;
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_print = nullptr;
};

void registerEquationsWindow();
