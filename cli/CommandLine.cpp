#include "cli/CommandLine.h"

#include "cli/OptionTable.h"
#include "cli/UsageError.h"

namespace velmont::cli {

const std::string* CommandLine::Value(const std::string& name) const {
    const auto found = options.find(name);
    return found == options.end() ? nullptr : &found->second;
}

namespace {

// Reads the option's value, inline or from the next argument.
void Take(CommandLine& line, const OptionSpec& option, const std::string* inlineValue,
          const std::vector<std::string>& arguments, std::size_t& i, const std::string& shown) {
    if (option.valueName.empty()) {
        if (inlineValue)
            throw UsageError("option " + shown + " takes no value");
        line.options[option.longName] = "";
        return;
    }
    if (inlineValue) {
        line.options[option.longName] = *inlineValue;
        return;
    }
    if (i + 1 >= arguments.size())
        throw UsageError("option " + shown + " needs a value (" + option.valueName + ")");
    line.options[option.longName] = arguments[++i];
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    bool onlyInputs = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyInputs || argument.size() < 2 || argument[0] != '-') {
            line.inputs.push_back(argument);
        } else if (argument == "--") {
            onlyInputs = true;
        } else if (argument.rfind("--", 0) == 0) {
            const std::size_t equals = argument.find('=');
            const std::string name = argument.substr(2, equals - 2);
            const OptionSpec* option = FindLong(name);
            if (!option)
                throw UsageError("unknown option --" + name);
            const std::string value =
                equals == std::string::npos ? std::string() : argument.substr(equals + 1);
            Take(line, *option, equals == std::string::npos ? nullptr : &value, arguments, i,
                 "--" + name);
        } else {
            const OptionSpec* option = FindShort(argument[1]);
            if (!option)
                throw UsageError(std::string("unknown option -") + argument[1]);
            const std::string value = argument.substr(2);
            Take(line, *option, value.empty() ? nullptr : &value, arguments, i,
                 "--" + option->longName);
        }
    }
    return line;
}

} // namespace velmont::cli
