# Writes the man page and the bash completion of the command-line program from
# its own --help and --version, so that neither can drift from its options.
#   awk -v program=PATH -v summary=TEXT -v man=OUT.1 -v completion=OUT -f cli-docs.awk
# The help is laid out as the argument parser prints it: a description, a
# "Usage: ..." line, then groups ("Options:") of entries, each
# "  NAMES [TYPE] [...] [NOTES]   DESCRIPTION", a long one continued on deeper
# indented lines; text after the groups adds to the description.

BEGIN {
    name = program
    sub(/.*\//, "", name)
    version_command = shell_quote(program) " --version"
    version_command | getline version
    close(version_command)
    help_command = shell_quote(program) " --help"
    while ((help_command | getline line) > 0)
        read_help_line(line)
    close(help_command)
    if (version == "" || usage == "" || entries == 0) {
        print "cli-docs: no version, usage or options from " program > "/dev/stderr"
        exit 1
    }
    write_man_page()
    write_completion()
}

function shell_quote(text) {
    gsub(/'/, "'\\''", text)
    return "'" text "'"
}

function read_help_line(line,    names, gap) {
    if (usage == "" && line ~ /^Usage: /) {
        usage = substr(line, 8)
    } else if (usage == "" || line !~ /^ /) {
        if (usage != "" && line ~ /^[^ ].*:$/) {
            group = substr(line, 1, length(line) - 1)
            return
        }
        description = description line "\n"
        group = ""
    } else if (group != "" && line ~ /^  [^ ]/) {
        names = substr(line, 3)
        gap = ""
        if (match(names, /  +/)) {
            gap = substr(names, RSTART + RLENGTH)
            names = substr(names, 1, RSTART - 1)
        }
        add_entry(names, gap)
    } else if (group != "" && entries > 0 && line ~ /^   /) {
        sub(/^ +/, "", line)
        entry_text[entries] = entry_text[entries] (entry_text[entries] == "" ? "" : " ") line
    } else {
        description = description line "\n"
    }
}

# An entry's name column: the names ("-h,--help", or a positional's name), a
# value type in capitals, "..." when repeatable, then notes such as
# "Excludes: --no-resample".
function add_entry(column, text,    words, count, i) {
    entries++
    entry_group[entries] = group
    entry_text[entries] = text
    count = split(column, words, " ")
    entry_names[entries] = words[1]
    i = 2
    if (i <= count && words[i] ~ /^[A-Z][A-Z0-9_:]*$/ && words[i] != "REQUIRED")
        entry_type[entries] = words[i++]
    if (i <= count && words[i] == "...")
        entry_repeats[entries] = words[i++]
    for (; i <= count; i++)
        entry_notes[entries] = entry_notes[entries] (entry_notes[entries] == "" ? "" : " ") words[i]
}

# --- man page

# Text for roff: backslashes kept, and the dashes of options as minus signs,
# so that an option copied from the page works.
function roff(text,    words, count, i, out) {
    gsub(/\\/, "\\e", text)
    count = split(text, words, " ")
    out = ""
    for (i = 1; i <= count; i++) {
        if (words[i] ~ /^[("\[]*-/)
            gsub(/-/, "\\-", words[i])
        out = out (i > 1 ? " " : "") words[i]
    }
    if (out ~ /^[.']/)
        out = "\\&" out
    return out
}

function entry_term(i,    names, count, k, term) {
    count = split(entry_names[i], names, ",")
    term = ""
    for (k = 1; k <= count; k++) {
        if (names[k] ~ /^-/)
            term = term (k > 1 ? ", " : "") "\\fB" roff(names[k]) "\\fR"
        else
            term = term (k > 1 ? ", " : "") "\\fI" roff(names[k]) "\\fR"
    }
    if (entry_type[i] != "")
        term = term " \\fI" entry_type[i] "\\fR"
    if (entry_repeats[i] != "")
        term = term " " entry_repeats[i]
    return term
}

function section_title(heading) {
    if (heading == "Positionals")
        return "ARGUMENTS"
    return toupper(heading)
}

function write_man_page(    lines, count, i, paragraph, shown) {
    print ".TH " roff(toupper(name)) " 1 \"\" \"" roff(version) "\" \"User Commands\"" > man
    print ".SH NAME" > man
    print roff(name) " \\- " roff(summary) > man
    print ".SH SYNOPSIS" > man
    print ".B " roff(name) > man
    sub(/^[^ ]+ ?/, "", usage)
    if (usage != "")
        print roff(usage) > man
    print ".SH DESCRIPTION" > man
    count = split(description, lines, "\n")
    paragraph = ""
    for (i = 1; i <= count + 1; i++) {
        if (i <= count && lines[i] !~ /^ *$/) {
            paragraph = paragraph (paragraph == "" ? "" : " ") lines[i]
        } else if (paragraph != "") {
            if (shown)
                print ".PP" > man
            print roff(paragraph) > man
            paragraph = ""
            shown = 1
        }
    }
    for (i = 1; i <= entries; i++) {
        if (i == 1 || entry_group[i] != entry_group[i - 1])
            print ".SH " section_title(entry_group[i]) > man
        print ".TP" > man
        print entry_term(i) > man
        if (entry_text[i] != "")
            print roff(entry_text[i]) > man
        if (entry_text[i] != "" && entry_notes[i] != "")
            print ".br" > man
        if (entry_notes[i] != "")
            print roff(entry_notes[i]) > man
    }
    close(man)
}

# --- bash completion

# What a value of this type, or a positional of this name, completes to:
# files, folders, or sources (folders and playlists); nothing for the rest.
function completion_of(type) {
    if (type ~ /FILE$/)
        return "_filedir"
    if (type ~ /DIR$/)
        return "_filedir -d"
    if (type == "PATH" || type == "SOURCE")
        return "_filedir '@(m3u|m3u8)'"
    return ":"
}

function write_completion(    i, k, count, names, option_words, action, actions, action_count,
                              patterns, pattern, positional, function_name) {
    function_name = "_" name
    gsub(/[^A-Za-z0-9_]/, "_", function_name)
    option_words = ""
    positional = ":"
    for (i = 1; i <= entries; i++) {
        if (entry_names[i] !~ /^-/) {
            positional = completion_of(entry_names[i])
            continue
        }
        count = split(entry_names[i], names, ",")
        for (k = 1; k <= count; k++)
            option_words = option_words (option_words == "" ? "" : " ") names[k]
        if (entry_type[i] == "")
            continue
        action = completion_of(entry_type[i])
        if (!(action in patterns))
            actions[++action_count] = action
        pattern = entry_names[i]
        gsub(/,/, "|", pattern)
        patterns[action] = patterns[action] (patterns[action] == "" ? "" : "|") pattern
    }
    print "# bash completion for " version ", made from its --help" > completion
    print function_name "()" > completion
    print "{" > completion
    print "    local cur prev words cword split" > completion
    print "    _init_completion -s || return" > completion
    if (action_count > 0) {
        print "    case $prev in" > completion
        for (i = 1; i <= action_count; i++)
            print "        " patterns[actions[i]] ") " actions[i] "; return ;;" > completion
        print "    esac" > completion
    }
    print "    $split && return" > completion
    print "    if [[ $cur == -* ]]; then" > completion
    print "        COMPREPLY=($(compgen -W '" option_words "' -- \"$cur\"))" > completion
    print "        return" > completion
    print "    fi" > completion
    print "    " positional > completion
    print "}" > completion
    print "complete -F " function_name " " name > completion
    close(completion)
}
