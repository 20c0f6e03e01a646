#include <cstdint>

#include "base/count_text.h"
#include "forms/prinfile.h"
#include "output/device_output.h"

namespace morvane::forms {

// The job list as a run sees it: the grid's cells and the count settings,
// read at the moment the run asks.
class TPrintfile1::GridJobList : public output::JobListSource {
 public:
  explicit GridJobList(TPrintfile1& form) : form_(form) {}
  int RowCount() const override { return form_.FileGrid.RowCount(); }
  std::string Path(int row) const override { return form_.FileGrid.Cell(kFileColumn, row); }
  std::string CountText(int row) const override { return form_.FileGrid.Cell(kCountColumn, row); }
  bool SetsChecked() const override { return form_.SetsCheckBox.Checked(); }
  bool PerFileChecked() const override { return form_.VraagAantalCheckBox.Checked(); }
  int ReadCount() const override { return form_.ReadCount(); }
  bool FileExists(const std::string& path) override {
    return form_.platform_.files.FileExists(path);
  }

 private:
  TPrintfile1& form_;
};

int TPrintfile1::ReadCount() const { return output::CountFromText(AantalEdit.Text()); }

std::int64_t TPrintfile1::PlannedCopies() {
  GridJobList list(*this);
  return output::PlannedCopies(list);
}

void TPrintfile1::NewButtonClick() {
  FileGrid.SetRowCount(kGridInitialRows);
  FileGrid.SetCell(kFileColumn, 1, "");
  FileGrid.SetCell(kCountColumn, 1, "");
}

void TPrintfile1::AppendToJobList(const std::string& path) {
  FileGrid.SetRowCount(FileGrid.RowCount() + 1);
  const int row = FileGrid.RowCount() - 2;
  FileGrid.SetCell(kFileColumn, row, path);
  FileGrid.SetCell(kCountColumn, row, std::to_string(ReadCount()));
}

void TPrintfile1::AantalEditChange() {
  if (VraagAantalCheckBox.Checked()) {
    FileGrid.SetCell(kCountColumn, FileGrid.Row(), std::to_string(ReadCount()));
    return;
  }
  for (int row = 1; row <= FileGrid.RowCount() - 2; ++row) {
    FileGrid.SetCell(kCountColumn, row, std::to_string(ReadCount()));
  }
}

void TPrintfile1::VraagAantalCheckBoxClick() {
  if (VraagAantalCheckBox.Checked()) {
    SetsCheckBox.SetChecked(false);
    SetsCheckBox.SetEnabled(false);
  } else {
    SetsCheckBox.SetEnabled(true);
    AantalEditChange();
  }
}

void TPrintfile1::FileGridClick() {
  if (!VraagAantalCheckBox.Checked()) return;
  const auto count = base::ParseInteger(FileGrid.Cell(kCountColumn, FileGrid.Row()));
  AantalEdit.SetValue(count.value_or(kMinCount));
}

namespace {

void SwapRows(ui::StringGrid& grid, int a, int b) {
  for (int col = 0; col < grid.ColCount(); ++col) {
    const std::string cell = grid.Cell(col, a);
    grid.SetCell(col, a, grid.Cell(col, b));
    grid.SetCell(col, b, cell);
  }
}

}  // namespace

void TPrintfile1::RegelUpButtonClick() {
  const int row = FileGrid.Row();
  // Only a file below the first moves up; the trailing empty row never moves.
  if (row <= 1 || row >= FileGrid.RowCount() - 1) return;
  SwapRows(FileGrid, row - 1, row);
  FileGrid.SetRow(row - 1);
}

void TPrintfile1::RegelDownButtonClick() {
  const int row = FileGrid.Row();
  // No file is ever swapped with the trailing empty row.
  if (row <= 0 || row >= FileGrid.RowCount() - 2) return;
  SwapRows(FileGrid, row, row + 1);
  FileGrid.SetRow(row + 1);
}

void TPrintfile1::RunJobList(const output::SendCopy& sendCopy) {
  GridJobList list(*this);
  output::RunJobList(list, sendCopy);
}

void TPrintfile1::SendFileToDevice(RunOwner::Run& run, const std::string& sourcePath,
                                   const std::string& deviceName) {
  output::SendFileToDevice(run.Services(), output::DeviceJob{FActiveInit, FActiveExit}, sourcePath,
                           deviceName);
}

void TPrintfile1::SelectActivePair(output::OutputTarget target) {
  FActiveInit = FControlStrings.Init(target);
  FActiveExit = FControlStrings.Exit(target);
}

void TPrintfile1::RunDeviceJob(RunOwner::Run& run, const std::string& deviceName) {
  RunJobList([&](const std::string& path) {
    platform_.pump.ProcessMessages();
    if (run.Stopped()) return false;
    run.StartCopy(path);
    SendFileToDevice(run, path, deviceName);
    platform_.pump.ProcessMessages();
    return !run.Stopped();
  });
}

void TPrintfile1::RunPrinterJob(RunOwner::Run& run) {
  RunJobList([&](const std::string& path) {
    platform_.pump.ProcessMessages();
    if (run.Stopped()) return false;
    run.StartCopy(path);
    SendFileToPrinter(run, path, PrintersComboBox.Text());
    platform_.pump.ProcessMessages();
    return !run.Stopped();
  });
}

}  // namespace morvane::forms
