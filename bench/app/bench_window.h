// The window as the benchmarks drive it: one application on the offscreen
// platform, and a window started in a scratch folder that holds the default
// 1.bmp, with its message boxes counted instead of shown.
#pragma once

#include <memory>

#include "app/Unit1.h"
#include "app/messages.h"
#include "app/tables/cell_table_model.h"
#include "tests/gui_session.h"

class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();

    TForm1& Form() { return *form_; }
    int Messages() const { return messages_; }
    // The texts behind the grid named `grid`.
    app::CellTableModel& Table(const char* grid);
    // Sets the node count as the count box does.
    void SetCount(int n);

private:
    BackgroundFolder folder_;
    app::MessageBoxShower previousShower_;
    int messages_ = 0;
    std::unique_ptr<TForm1> form_;
};
