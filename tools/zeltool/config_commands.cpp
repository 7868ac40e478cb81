// read, write and template: the configuration text through the model, without a unit.

#include "arguments.h"
#include "byte_files.h"
#include "config_input.h"
#include "tool_command.h"

#include "model/config_model.h"
#include "model/config_writer.h"
#include "model/templates.h"

namespace zel::tool {

namespace {

using model::ConfigModel;
using model::LogLines;

// Lines to standard output with LF, or to the output file with CR LF after every line.
int emitLines(const std::vector<std::string>& lines, const std::optional<std::string>& output)
{
    if (!output) {
        if (!writeStandardOutput(model::joinLines(lines, "\n")))
            return fail(kExitFailure, "cannot write to standard output");
        return kExitOk;
    }
    const std::string error = replaceFile(*output, model::joinLines(lines, "\r\n"));
    if (!error.empty())
        return fail(kExitFailure, "cannot write '" + *output + "': " + error +
                                      " (any existing file is unchanged)");
    return kExitOk;
}

int runRead(const Arguments& arguments)
{
    ConfigModel model;
    const std::optional<ConfigurationRead> read = readConfiguration(arguments.positional[0], model);
    return read ? emitLines(read->log, std::nullopt) : kExitUsage;
}

int runWrite(const Arguments& arguments)
{
    ConfigModel model;
    if (!readConfiguration(arguments.positional[0], model))
        return kExitUsage;
    return emitLines(model::writeConfiguration(model), arguments.output);
}

int runTemplate(const Arguments& arguments)
{
    const std::string& size = arguments.positional[0];
    if (size != "8" && size != "16")
        return fail(kExitUsage, "template: unknown unit size '" + size + "' (use 8 or 16)");
    const auto unit = size == "8" ? model::UnitSize::Zel8 : model::UnitSize::Zel16;
    return emitLines(model::templateLines(unit), arguments.output);
}

} // namespace

void addConfigCommands(CommandTable& table)
{
    table.push_back({"read", "FILE",
                     "read a configuration file (\"-\" for standard input) and print the "
                     "reader's log",
                     0, 1, runRead});
    table.push_back({"write", "FILE [-o OUT]",
                     "print the text an export writes of a configuration file; -o saves it "
                     "with CR LF",
                     kOptionOutput, 1, runWrite});
    table.push_back({"template", "8|16 [-o OUT]", "print the blank ZEL-8 or ZEL-16 configuration",
                     kOptionOutput, 1, runTemplate});
}

} // namespace zel::tool
