// Engine entry: the start of a call, the run files and the end of the run.
#pragma once

#include <string>
#include <string_view>

namespace tarvex {

// Name of the file, in the current directory, that receives runtime messages
// written before the runtime message file named by NAMES.DAT is open.
constexpr const char* kFallbackMessageFile = "TARVEX-RUNTIME.MSG";

void Read_Run_File_Names();  // NAMES.DAT: runtime errors 2 to 6 and 17
void Open_Run_Files();       // the four files of the run; runtime errors 7 and 8
void Dispatch_Input_Reader();// format tag, reader; input error 25
// The reader a problem input file goes to: the first seven characters of the
// first token of its first line (a token ends at a blank or a comma), exactly.
enum class InputFormat { Keyword, Previous, Untagged };
InputFormat Format_Of_First_Line(std::string_view first_line);
void End_Of_Run();           // final status lines, files closed
int Return_Value();          // the value TGO returns

// Writes a message block to the runtime message file, or to the fallback
// message file before that is open.
void Fallback_Message_Block(std::initializer_list<std::string_view> lines);

// Drive, directory, file name and extension of a path.
struct PathParts {
    std::string drive, dir, name, ext;
};
PathParts Split_Path(std::string_view path);

void Write_Banner();
void Write_Files_Block();
void Write_Date_And_Time();

}  // namespace tarvex
