# Bash completion for kinmatch-cli: its commands, each command's options, and the files they
# take. Installed where bash-completion loads it on first use.

_kinmatch_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "reading match group couple report save --help --version" -- "$cur")
        return
    fi
    local options files
    case ${COMP_WORDS[1]} in
        reading) options="--json --csv --explain --help" ;;
        match) options="--json --explain --help" ;;
        group) options="--json --csv --html --pdf --help" files='*.csv' ;;
        couple) options="--name --html --pdf --help" ;;
        report) options="--name --html --pdf --help" files='*.man' ;;
        save) options="--name --help" files='*.man' ;;
        *) return ;;
    esac
    case $prev in
        --html) files='*.html' ;;
        --pdf) files='*.pdf' ;;
        *)
            if [[ $cur == -* ]]; then
                mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
                return
            fi
            ;;
    esac
    if [[ -n $files ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -X "!$files" -- "$cur"; compgen -d -- "$cur")
    fi
}
complete -F _kinmatch_cli kinmatch-cli
