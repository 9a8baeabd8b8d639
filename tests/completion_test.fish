# Checks the fish completion's offers, loaded the way fish finds it: from
# its folder in fish_complete_path, for a roman found in PATH.
# Arguments: the completion file, the folder of the built roman.
set -g fish_complete_path (path resolve (path dirname $argv[1]))
set -gx PATH (path resolve $argv[2]) $PATH
set -g failures 0

# Completes the line given and compares the offers with the expected ones.
function expect -a expected line
    set -l got (complete -C"$line" | string join ' ')
    if test "$got" != "$expected"
        echo "FAIL: '$line' offered '$got', expected '$expected'"
        set failures (math $failures + 1)
    end
end

expect (seq -s ' ' (getconf _NPROCESSORS_ONLN)) 'roman -j '
expect 'n=roman roman=n' 'roman -o '
expect 'roman=n' 'roman -o r'
expect '-j -o' 'roman -'
expect '-o' 'roman -j 2 -o'
expect '' 'roman '
expect '' 'roman 1:3 -'
expect '' 'roman 1:3 -j '
expect '' 'roman -j 2 5 -o '
test $failures -eq 0; and echo "fish completion: all offers as expected"
exit $failures
