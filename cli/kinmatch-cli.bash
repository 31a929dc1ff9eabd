# Bash completion for kinmatch-cli: its commands, each command's options, and the files they
# take. Installed where bash-completion loads it on first use.

_kinmatch_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W "reading match group couple report save -h --help --version" -- "$cur")
        return
    fi
    local options files word ended=
    case ${COMP_WORDS[1]} in
        reading) options="--json --csv --explain" ;;
        match) options="--json --explain" ;;
        group) options="--json --csv --html --pdf" files=csv ;;
        couple) options="--name --html --pdf" ;;
        report) options="--name --html --pdf" files=man ;;
        save) options="--name" files=man ;;
        *) return ;;
    esac
    # After --, every word is a date or a file.
    for word in "${COMP_WORDS[@]:2:COMP_CWORD-2}"; do
        [[ $word == -- ]] && ended=yes
    done
    if [[ -z $ended ]]; then
        case $prev in
            --html) files=html ;;
            --pdf) files=pdf ;;
            *)
                if [[ $cur == -* ]]; then
                    mapfile -t COMPREPLY < <(compgen -W "$options -h --help --" -- "$cur")
                    return
                fi
                ;;
        esac
    fi
    [[ -n $files ]] || return
    # Files of the extension in any letter case, and folders to go into, each once.
    local name
    while IFS= read -r name; do
        if [[ -d $name ]]; then
            COMPREPLY+=("$name")
        elif [[ ${name,,} == *.$files ]]; then
            COMPREPLY+=("$name")
        fi
    done < <(compgen -f -- "$cur")
    compopt -o filenames 2>/dev/null
}
complete -F _kinmatch_cli kinmatch-cli
