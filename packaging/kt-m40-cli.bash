# bash completion for kt-m40-cli: commands, each command's options (read from its own --help), serial
# devices for --port, clone files (.M40), CSV and PDF files by extension.

_kt_m40_cli_commands() {
    "$1" --help 2>/dev/null | sed -n '/^Commands:/,/^$/{s/^  \([a-z][a-z0-9-]*\) .*/\1/p}'
}

# the options named at the start of the option lines (not those a description mentions), each once
_kt_m40_cli_options() {
    "$1" help "$2" 2>/dev/null | sed -n '/^Options:/,/^$/p' | grep -oE -- '^  (-[a-zA-Z], )?--?[a-zA-Z][a-zA-Z0-9-]*' |
        grep -oE -- '--?[a-zA-Z][a-zA-Z0-9-]*' | sort -u
}

# auto (ask every port for the radio), serial devices of this system, and pseudo-terminals (kt-m40-cli sim
# serves its radio on one)
_kt_m40_cli_ports() {
    local d
    printf 'auto\n'
    for d in /dev/ttyUSB* /dev/ttyACM* /dev/ttyS* /dev/serial/by-id/* /dev/pts/[0-9]*; do
        [[ -e $d ]] && printf '%s\n' "$d"
    done
}

# files whose name ends in one of the extensions (any case), and folders to go into
_kt_m40_cli_files() {
    local cur=$1 pattern=$2 IFS=$'\n' restore
    restore=$(shopt -p extglob nocaseglob)
    shopt -s extglob
    COMPREPLY+=($(compgen -d -- "$cur"))
    COMPREPLY+=($(compgen -f -X "!*.@($pattern)" -- "$cur"))
    COMPREPLY+=($(compgen -f -X "!*.@(${pattern^^})" -- "$cur"))
    eval "$restore"
    compopt -o filenames 2>/dev/null
}

_kt_m40_cli() {
    local cli=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local IFS=$'\n'
    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W "$(_kt_m40_cli_commands "$cli")"$'\n'"help"$'\n'"--help"$'\n'"--version" -- "$cur"))
        return
    fi
    local command=${COMP_WORDS[1]}
    if [[ $command == help ]]; then
        ((COMP_CWORD == 2)) && COMPREPLY=($(compgen -W "$(_kt_m40_cli_commands "$cli")" -- "$cur"))
        return
    fi
    case $prev in
    --port)
        COMPREPLY=($(compgen -W "$(_kt_m40_cli_ports)" -- "$cur"))
        return
        ;;
    --variant)
        COMPREPLY=($(compgen -W $'J\nT\nE\nA' -- "$cur"))
        return
        ;;
    --layout)
        COMPREPLY=($(compgen -W $'original\nfull\nchirp' -- "$cur"))
        return
        ;;
    --page-size)
        COMPREPLY=($(compgen -W $'A4\nLetter\nLegal\nA3\nA5' -- "$cur"))
        return
        ;;
    -o | --output)
        case $command in
        export-csv) _kt_m40_cli_files "$cur" csv ;;
        print) _kt_m40_cli_files "$cur" pdf ;;
        show | diff) COMPREPLY=($(compgen -f -- "$cur")) && compopt -o filenames 2>/dev/null ;;
        *) _kt_m40_cli_files "$cur" m40 ;;
        esac
        return
        ;;
    --into | --image | --save)
        _kt_m40_cli_files "$cur" m40
        return
        ;;
    --log)
        COMPREPLY=($(compgen -f -- "$cur"))
        compopt -o filenames 2>/dev/null
        return
        ;;
    --model | --variant-code | --range-code | --baud | --fault)
        return
        ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_kt_m40_cli_options "$cli" "$command")" -- "$cur"))
        return
    fi
    case $command in
    import-csv) _kt_m40_cli_files "$cur" csv ;;
    *) _kt_m40_cli_files "$cur" m40 ;;
    esac
}

complete -F _kt_m40_cli kt-m40-cli
