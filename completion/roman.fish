# fish completion for roman(1).

# Succeeds when the word being typed stands where $argv[1] says: "option"
# for an option's place, or "-j" or "-o" for that option's value. Options
# stand in pairs before the range argument; once an argument in an option's
# place is something else, it was the range and nothing after it is read.
function __roman_at
    set -l words (commandline -opc)
    set -e words[1]  # roman itself
    set -l count (count $words)
    for i in (seq 1 2 $count)
        contains -- $words[$i] -j -o; or return 1
    end
    if test (math $count % 2) -eq 1
        test "$words[$count]" = $argv[1]
    else
        test option = $argv[1]; and string match -q -- '-*' (commandline -ct)
    end
end

complete -c roman -f
complete -c roman -n '__roman_at option' -a '-j -o'
# The processors roman counts: those online, whatever the affinity.
complete -c roman -n '__roman_at -j' -a '(seq (getconf _NPROCESSORS_ONLN))'
complete -c roman -n '__roman_at -o' -a 'n=roman roman=n'
