// Analysis driver.
#include "engine/driver.h"

#include "engine/entry.h"
#include "engine/internal_errors.h"
#include "engine/store.h"
#include "output/report_lines.h"

namespace tarvex {

void Run_Analysis() {
    Set_Unit_Labels(g.pd.IUNITS);
    Rewind_Channel(g_Out.report);
    Write_Banner();
    Write_Files_Block();
    Write_Date_And_Time();
    Put_Line(g_Out.plot, Int_Field(g.pd.ICOM, 5) + Int_Field(g.pd.IUNITS, 5) + Int_Field(g.pd.KYL, 5) +
                             Int_Field(on(g.pd.b_ComputeKmatrix) ? 1 : 0, 5) + std::string(60, ' ') +
                             "Line 1 : ICOM, IUNITS, KYL, ib_ComputeKmatrix_1T0F");
    Write_Error_Block(Runtime_Error_Heading(kStageRuntimeError),
                      {"The analysis stages after the input of data are not available in this",
                       "version of the engine.  No results were computed."},
                      true);
    Raise_Error(200 + kStageRuntimeError);
}

}  // namespace tarvex
