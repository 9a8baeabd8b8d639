# Checks the fish completion's offers, loaded the way fish finds it: from
# its folder in fish_complete_path, for a roman found in PATH.
# Arguments: the completion file, the folder of the built roman, the table
# of cases every shell shares.
# The paths are absolute, and nothing newer than fish 3.1 is used.
set -g fish_complete_path (dirname $argv[1])
set -gx PATH $argv[2] $PATH
set -g failures 0

# Completes the line given and compares the offers with the expected ones.
function expect -a expected line
    set -l offers (complete -C"$line")
    # Fish before 3.2 also offers what merely contains the word typed; like
    # its pager, keep what begins with it when anything does.
    set -l word (string split ' ' -- $line)[-1]
    set -l starting (string match -- "$word*" $offers)
    set -q starting[1]; and set offers $starting
    set -l got (string join ' ' -- $offers)
    if test "$got" != "$expected"
        echo "FAIL: '$line' offered '$got', expected '$expected'"
        set failures (math $failures + 1)
    end
end

set -l processors (seq -s ' ' (getconf _NPROCESSORS_ONLN))
for case in (string match -rv '^#' <$argv[3])
    set -l fields (string split '|' -- $case)
    expect (string replace @processors@ $processors -- $fields[1]) $fields[2]
end
test $failures -eq 0; and echo "fish completion: all offers as expected"
exit $failures
